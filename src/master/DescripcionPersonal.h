#pragma once

#include "framework/Reglas.h"

#include <QString>
#include <vector>

// Salespeople, purchase managers and warehouse managers are three files of
// people with one shape: the same columns, the same rules and the same
// windows. What sets each one apart is gathered here, so the data module and
// the windows are written once (TmdlPersonal, TfrmGestionPersonal,
// TfrmPersonal) and each file only names its description.
struct DescripcionPersonal
{
    QString tabla;      // such as "VENDEDOR"
    QString datos;      // name of the record set, such as "Vendedores"
    QString mensajeNif; // the NIF rule's message of this file
    // Documents that still name the person, in the order they are asked.
    std::vector<fw::Guard> guardas;

    // Browse window.
    QString captionGestion;
    QString tituloGestion;
    QString preguntaEliminar;
    QString hintRefrescar = QStringLiteral("Refrescar los datos");

    // Record window.
    QString captionRegistro;
    QString tituloRegistro;
    QString primeraPestana;

    // Every row in code order: the main window's command and the Buscar
    // buttons of the files that name these people.
    QString sqlGestion() const;
};

const DescripcionPersonal &personalVendedores();
const DescripcionPersonal &personalResponsablesCompras();
const DescripcionPersonal &personalResponsablesAlmacen();
