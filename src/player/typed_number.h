#pragma once

#include <QStringView>

namespace vantaloop {

// Reads a number typed into a box: leading blanks are skipped and the number at the
// start of the text is taken (sign, digits, decimal point, exponent); the rest is
// ignored. Text that does not begin with a number reads 0. The value is rounded to a
// whole number, a half going to the even neighbour. Huge values come back as they
// are (possibly infinite), so a caller's range check rejects them.
double readTypedNumber(QStringView text);

} // namespace vantaloop
