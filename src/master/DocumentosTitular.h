#pragma once

#include <QObject>
#include <QStringList>
#include <QVariant>
#include <vector>

namespace fb {
class Connection;
}
namespace ds {
class RecordSet;
}
namespace doc {
struct Familia;
}

namespace master {

// One kind of document an owner's record window lists read-only: the inner
// tab's caption, the table and the grid's columns; for the documents the
// document model already knows, their family, which brings the key and the
// totals.
struct DocumentoTitular
{
    QString pestana;
    QString tabla;
    QStringList columnas;
    const doc::Familia *familia = nullptr;
};

// The documents of one customer or supplier, one record set per kind, opened
// on the rows whose party column (CLIENTE or PROVEEDOR) holds the owner's
// code. Documents with a series also show their key (ID: the series followed
// by the number in nine places).
class DocumentosTitular final : public QObject
{
    Q_OBJECT
public:
    DocumentosTitular(fb::Connection &conexion, QString columnaTitular, std::vector<DocumentoTitular> tipos,
                      QObject *parent = nullptr);

    const std::vector<DocumentoTitular> &tipos() const { return m_tipos; }
    ds::RecordSet &documentos(size_t tipo) const { return *m_documentos.at(tipo); }

    void abrir(const QVariant &codigo);

private:
    QString m_columnaTitular;
    std::vector<DocumentoTitular> m_tipos;
    std::vector<ds::RecordSet *> m_documentos;
};

const std::vector<DocumentoTitular> &documentosCliente();
const std::vector<DocumentoTitular> &documentosProveedor();

} // namespace master
