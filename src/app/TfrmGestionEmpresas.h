#pragma once

#include "framework/TfrmGestion.h"

class TmdlEmpresas;

// Browse window of the companies (general database). In select mode it is
// the company chooser of the start of a session: with a single company it
// chooses it at once, without showing itself.
class TfrmGestionEmpresas final : public TfrmGestion
{
    Q_OBJECT
public:
    TfrmGestionEmpresas(QWidget *owner, bool modal);

    // The company chosen at the start of a session or when changing company:
    // the chooser runs modally over every company (none shown when there is
    // exactly one); both empty when the user closed it without choosing.
    struct Eleccion
    {
        QString codigo;
        QString nombre;
    };
    static Eleccion Elegir(QWidget *owner);

    static const QString kSqlEmpresas; // "SELECT * FROM EMPRESA ORDER BY CODIGO"

    TmdlEmpresas *mdlEmpresas;

protected:
    TfrmRegistro *crearRegistro() override;
};
