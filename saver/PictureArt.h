#pragma once

class QPainter;

// The drawings behind the built-in pictures, each on a 150 x 75 canvas.
namespace saver::art {

void DrawLogo(QPainter& p);
void DrawBirthdayCake(QPainter& p);
void DrawCandles(QPainter& p);
void DrawHammock(QPainter& p);
void DrawMountains(QPainter& p);
void DrawCruiseShip(QPainter& p);
void DrawSunset(QPainter& p);
void DrawWreath(QPainter& p);
void DrawWeddingCake(QPainter& p);

} // namespace saver::art
