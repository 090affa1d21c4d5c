#pragma once

#include <QImage>
#include <QRegion>

// The see-through region built the slow, obvious way: one pixel read at a time and one union per run
// of differing pixels in a column, column by column. Kept to measure and check the real builder.
QRegion StepByStepRegion(const QImage& image, QRgb rgb);
