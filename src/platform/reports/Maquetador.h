#pragma once

#include "Documento.h"

#include <QDate>

namespace rpt {

class Proyecto;
class Conexiones;

// The layout pass: runs the named report of the project over its data
// connections and places every band on pages, without painting. Record sets
// that are closed are opened (and keep their rows afterwards); the report's
// own connection is read from its first row to its last. Page breaks, the page
// header repeated on every page, group headers and footers with their totals,
// and "Página X de Y" (the page count is known once the pass ends) are all
// settled here.
//
// Throws ErrorInforme for an unknown report, a data connection that was not
// supplied, a column its record set lacks, or a record set the database
// refuses to open (then with the server's own text).
// `fechaImpresion` is what {fecha} prints (today when not given).
Documento componer(const Proyecto &proyecto, const QString &informe, Conexiones &conexiones,
                   const QDate &fechaImpresion = QDate());

} // namespace rpt
