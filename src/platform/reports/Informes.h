#pragma once

// The report engine in one include: project files, named data connections,
// the layout pass and the painted output (PDF, any paint device). The screen
// preview and the printer live in widgets/SalidaInforme.h (window library).
#include "platform/reports/Conexiones.h"
#include "platform/reports/Documento.h"
#include "platform/reports/ErrorInforme.h"
#include "platform/reports/Maquetador.h"
#include "platform/reports/Pintor.h"
#include "platform/reports/Proyecto.h"
