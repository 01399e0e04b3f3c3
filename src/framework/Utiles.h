#pragma once

#include "platform/dataset/DatasetErrors.h"

#include <QString>

namespace fw {

// Validation utilities for Spanish identity and bank codes, and the amount in
// words printed on documents. Pure functions: they never touch the database
// or the user; the field rules (ReglasCampos.h) decide what the user sees.
// Bad input never raises: it gives false or an empty text. The one exception
// is importeEnLetras() outside its limits.

// Province of a postal code: the first two characters read as a number (a
// leading blank is allowed, " 8" is 8) and looked up among the 52 provinces.
// Empty when they are not a number from 1 to 52 ("8001" reads 80: empty).
QString provinciaDeCodigoPostal(const QString &codigoPostal);

// Check of a personal tax number (NIF). A text made only of digits is
// completed with its letter ("12345678" becomes "12345678Z") and is valid.
// Otherwise the last character (any case) must be the letter of the digits
// before it. The number of digits is not examined.
bool comprobarNif(QString &nif);

// Check of a company tax code (CIF): nine characters (any case), digits in
// positions 2 to 8, and a control in position 9 that is a digit, or a letter
// from "A" to "J" when the code starts with "X" or "P".
bool comprobarCif(const QString &cif);

// The two control digits of a bank account code (CCC) from the entity and
// branch (4 + 4 digits) and the account number (10 digits), as "05" or "73".
// Empty when any of those 18 characters is missing or not a digit.
QString digitosControlCcc(const QString &entidad, const QString &agencia, const QString &cuenta);

// Languages and genders of the amount in words.
enum Idioma { Castellano = 1, Catalan = 2 };
enum Genero { Masculino = 1, Femenino = 2 };

// The amount refused by importeEnLetras(): a silent abort, so it ends the
// caller's operation like any refusing rule, that still carries the text the
// function gives as its result in that case, for a caller that prints it.
class ErrorEnArgumentos : public ds::SilentAbort
{
public:
    static QString texto() { return QStringLiteral("ERROR EN ARGUMENTOS"); }
};

// Amount of money in words, upper case, without accents: 1234.5 in
// Castellano / Masculino is "MIL DOSCIENTOS TREINTA Y CUATRO CON CINCUENTA".
// The amount is taken to four decimals and its cents rounded (0.999 is
// "UNO"). Throws ErrorEnArgumentos when the amount is negative or above
// 999.999.999.999,99, or the language or gender is not one of the above.
QString importeEnLetras(int idioma, int genero, double importe);

} // namespace fw
