#pragma once

#include <QTabWidget>

namespace master {

class DocumentosTitular;

// The "DOCUMENTOS" tab of an owner's record window: one inner tab per kind
// of document, each a read-only grid with no commands.
class PestanaDocumentos final : public QTabWidget
{
    Q_OBJECT
public:
    explicit PestanaDocumentos(const DocumentosTitular &documentos, QWidget *parent = nullptr);
};

} // namespace master
