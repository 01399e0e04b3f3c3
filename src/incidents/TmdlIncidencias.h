#pragma once

#include "framework/DataModule.h"

// The incidents data module: the record set `Incidencias` over INCIDENCIA.
// Document windows keep one open on their document's incidents; the incident
// browse windows on every incident of one cycle.
class TmdlIncidencias : public fw::DataModule
{
    Q_OBJECT
public:
    // Bound to the company connection of the program.
    explicit TmdlIncidencias(QObject *parent = nullptr);
    // Bound to any company database (tests).
    explicit TmdlIncidencias(fb::Connection &empresa, QObject *parent = nullptr);

    ds::RecordSet &Incidencias;

    // The statement that finds the incidents of one document: cycle "V" or
    // "C", kind "P", "A" or "F", and the document key.
    static QString sqlDe(const QString &tipo, const QString &tipoDoc, const QString &documento);

private:
    void IncidenciasNewRecord(ds::RecordSet &set);
    void IncidenciasBeforePost(ds::RecordSet &set);
};
