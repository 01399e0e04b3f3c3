#pragma once

#include "sales/ModeloDocumento.h"

namespace doc {

// The four families of sales documents, as the document model reads them.
const Familia &presupuestosVenta(); // quotes: numbered over the table, no series
const Familia &pedidosVenta();
const Familia &albaranesVenta();    // bases left empty on a new note
const Familia &facturasVenta();     // PENDIENTE = TOTAL − PAGADO

} // namespace doc
