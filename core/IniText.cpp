#include "IniText.h"

#include <QStringList>

namespace core {

namespace {

bool NeedsQuotes(const QString& value) {
    if (value.isEmpty())
        return false;
    if (value.front().isSpace() || value.back().isSpace() || value.front() == u'"')
        return true;
    for (QChar c : value) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return true;
    }
    return false;
}

int HexValue(QChar c) {
    if (c >= u'0' && c <= u'9')
        return c.unicode() - '0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - 'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - 'A' + 10;
    return -1;
}

} // namespace

QString QuoteIniValue(const QString& value) {
    if (!NeedsQuotes(value))
        return value;
    QString out = QStringLiteral("\"");
    for (QChar c : value) {
        switch (c.unicode()) {
        case '"':
            out += QStringLiteral("\\\"");
            break;
        case '\\':
            out += QStringLiteral("\\\\");
            break;
        case '\n':
            out += QStringLiteral("\\n");
            break;
        case '\r':
            out += QStringLiteral("\\r");
            break;
        case '\t':
            out += QStringLiteral("\\t");
            break;
        default:
            if (c.unicode() < 0x20 || c.unicode() == 0x7f)
                out += QStringLiteral("\\x%1").arg(c.unicode(), 2, 16, QChar(u'0'));
            else
                out += c;
        }
    }
    out += u'"';
    return out;
}

QString UnquoteIniValue(QStringView raw) {
    const QStringView v = raw.trimmed();
    // Only a value wholly inside quotes is unescaped; anything else (Windows paths included) is literal.
    if (v.size() < 2 || v.front() != u'"' || v.back() != u'"')
        return v.toString();
    const QStringView body = v.sliced(1, v.size() - 2);
    QString out;
    out.reserve(body.size());
    for (qsizetype i = 0; i < body.size(); ++i) {
        const QChar c = body[i];
        if (c != u'\\' || i + 1 >= body.size()) {
            out += c;
            continue;
        }
        const QChar e = body[++i];
        switch (e.unicode()) {
        case 'n':
            out += u'\n';
            break;
        case 'r':
            out += u'\r';
            break;
        case 't':
            out += u'\t';
            break;
        case '"':
        case '\\':
            out += e;
            break;
        case 'x':
            if (i + 2 < body.size() && HexValue(body[i + 1]) >= 0 && HexValue(body[i + 2]) >= 0) {
                out += QChar(char16_t(HexValue(body[i + 1]) * 16 + HexValue(body[i + 2])));
                i += 2;
                break;
            }
            [[fallthrough]];
        default:
            out += u'\\';
            out += e;
        }
    }
    return out;
}

IniMap ParseIniText(const QByteArray& text) {
    IniMap values;
    QString section;
    QString all = QString::fromUtf8(text);
    if (all.startsWith(QChar(0xfeff)))
        all.remove(0, 1);
    for (QStringView line : QStringView(all).split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.front() == u';' || line.front() == u'#')
            continue;
        if (line.front() == u'[') {
            const qsizetype close = line.indexOf(u']');
            section = close > 1 ? line.sliced(1, close - 1).trimmed().toString() : QString();
            // Slashes separate section and key in the map, and the settings library reads backslashes
            // as slashes: a section named with either cannot be told apart, so its keys are skipped.
            if (section.contains(u'/') || section.contains(u'\\'))
                section.clear();
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (eq <= 0 || section.isEmpty())
            continue;
        const QString key = line.first(eq).trimmed().toString();
        if (key.isEmpty() || key.contains(u'/') || key.contains(u'\\'))
            continue;
        values.insert(section + u'/' + key, UnquoteIniValue(line.sliced(eq + 1)));
    }
    return values;
}

QByteArray WriteIniText(const IniMap& values) {
    QByteArray out;
    QString current;
    for (auto it = values.cbegin(); it != values.cend(); ++it) {
        const qsizetype slash = it.key().indexOf(u'/');
        if (slash <= 0)
            continue;
        const QString section = it.key().first(slash);
        const QString key = it.key().sliced(slash + 1);
        if (section != current) {
            if (!current.isEmpty())
                out += '\n';
            out += '[' + section.toUtf8() + "]\n";
            current = section;
        }
        out += key.toUtf8() + '=' + QuoteIniValue(it.value()).toUtf8() + '\n';
    }
    return out;
}

} // namespace core
