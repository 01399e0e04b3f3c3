#pragma once

#include <QString>
#include <QVariant>

namespace rpt {

// How report values become text. Numbers with a numeric mask in the Spanish
// way ('#,##0.00' gives 1.234,56; '000000000' gives 000000027), dates with a
// date mask made of dd, mm and yyyy (or yy) ('dd/mm/yyyy' when none is given),
// texts without their trailing blanks (CHAR columns keep them), nothing for
// null. A mask that does not suit the value is ignored.
QString formatear(const QVariant &valor, const QString &mascara);

// The amount of a value in words, Spanish and masculine ("MIL DOSCIENTOS
// TREINTA Y CUATRO CON CINCUENTA"). A text is read as a decimal number
// ("1.234,56" or "1234.56"); a value that is not a number counts as 0. An
// amount out of the speller's limits prints "ERROR EN ARGUMENTOS".
QString importeEnLetras(const QVariant &valor);

} // namespace rpt
