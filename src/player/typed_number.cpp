#include "player/typed_number.h"

#include <QLocale>
#include <cfenv>
#include <cmath>

namespace vantaloop {

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

qsizetype skipDigits(QStringView text, qsizetype at)
{
    while (at < text.size() && isDigit(text[at]))
        ++at;
    return at;
}

} // namespace

double readTypedNumber(QStringView text)
{
    qsizetype start = 0;
    while (start < text.size() && (text[start] == u' ' || text[start] == u'\t'))
        ++start;
    qsizetype at = start;
    if (at < text.size() && (text[at] == u'+' || text[at] == u'-'))
        ++at;
    const qsizetype integerEnd = skipDigits(text, at);
    qsizetype end = integerEnd;
    bool anyDigit = integerEnd > at;
    if (end < text.size() && text[end] == u'.') {
        const qsizetype fractionEnd = skipDigits(text, end + 1);
        anyDigit = anyDigit || fractionEnd > end + 1;
        end = fractionEnd;
    }
    if (!anyDigit)
        return 0;
    if (end < text.size() && (text[end] == u'e' || text[end] == u'E')) {
        qsizetype exponent = end + 1;
        if (exponent < text.size() && (text[exponent] == u'+' || text[exponent] == u'-'))
            ++exponent;
        const qsizetype exponentEnd = skipDigits(text, exponent);
        if (exponentEnd > exponent)
            end = exponentEnd;
    }
    bool ok = false;
    double value = QLocale::c().toDouble(text.mid(start, end - start), &ok);
    if (!ok) // out of double's range: keep the sign, make it too large for any range
        value = text[start] == u'-' ? -HUGE_VAL : HUGE_VAL;
    if (!std::isfinite(value))
        return value;
    // nearbyint rounds in the current mode, which is to-nearest-even unless changed.
    const int mode = std::fegetround();
    std::fesetround(FE_TONEAREST);
    const double rounded = std::nearbyint(value);
    std::fesetround(mode);
    return rounded;
}

} // namespace vantaloop
