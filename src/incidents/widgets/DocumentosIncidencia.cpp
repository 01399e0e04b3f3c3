#include "DocumentosIncidencia.h"

#include "framework/widgets/Intentar.h"
#include "platform/dataset/RecordSet.h"
#include "sales/TfrmAlbaranVenta.h"

#include <QDialog>
#include <functional>
#include <memory>

namespace incidencias {

namespace {

// The record window of a document, already showing the document in view
// mode; none when the document cannot be read or is no longer stored.
using Visor = std::function<std::unique_ptr<QDialog>(QWidget *owner, const QString &documento)>;

template<typename Ventana>
std::unique_ptr<QDialog> visor(QWidget *owner, const QString &documento)
{
    auto ventana = std::make_unique<Ventana>(owner, true);
    if (!fw::intentar([&] { ventana->Mostrar(documento, false); }) || ventana->datos().isEmpty())
        return nullptr;
    return ventana;
}

struct DocumentoIncidencia
{
    QString tipo;
    QString tipoDoc;
    Visor visor;
};

// One line per document kind whose record window exists.
const DocumentoIncidencia kDocumentos[] = {
    {QStringLiteral("V"), QStringLiteral("A"), visor<TfrmAlbaranVenta>},
};

} // namespace

void verDocumento(QWidget *owner, const QString &tipo, const QString &tipoDoc, const QString &documento)
{
    for (const DocumentoIncidencia &d : kDocumentos) {
        if (d.tipo != tipo.trimmed() || d.tipoDoc != tipoDoc.trimmed())
            continue;
        if (std::unique_ptr<QDialog> ventana = d.visor(owner, documento))
            ventana->exec();
        return;
    }
}

} // namespace incidencias
