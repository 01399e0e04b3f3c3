#pragma once

#include "framework/DataModule.h"

namespace fb {
class Connection;
}

// The companies data module: the record set `Empresas` over the general
// database's EMPRESA table and the company rules. Each company row owns a
// database of its own ("empresa" + code + ".gdb" in the data path), created
// when a new row is posted and dropped when the row is deleted.
class TmdlEmpresas : public fw::DataModule
{
    Q_OBJECT
public:
    // Bound to the general connection of the program (mdlConexiones()).
    explicit TmdlEmpresas(QObject *parent = nullptr);
    // Bound to any general database (tests, tools). The company databases
    // go beside it (the folder of general.gdb is the data path), and so does
    // the template empresabase.gdb.
    explicit TmdlEmpresas(fb::Connection &general, QObject *parent = nullptr);
    // As above with the data path and the program directory given (both end
    // in '/'; the data path may name a server, "host:/dir/").
    TmdlEmpresas(fb::Connection &general, QString rutaDatos, QString directorioPrograma,
                 QObject *parent = nullptr);

    ds::RecordSet &Empresas;

    // The database name of the company with this code in the data path.
    QString nombreBaseEmpresa(const QString &codigo) const;

private:
    void EmpresasNewRecord(ds::RecordSet &set);
    void EmpresasAfterInsert(ds::RecordSet &set);
    void EmpresasAfterEdit(ds::RecordSet &set);
    void EmpresasCODIGOValidate(ds::Field &field);
    void EmpresasCIFValidate(ds::Field &field);
    void EmpresasCOD_POSTALValidate(ds::Field &field);
    void EmpresasBeforePost(ds::RecordSet &set);
    void EmpresasBeforeDelete(ds::RecordSet &set);

    void conectarReglas();

    QString m_rutaDatos;
    QString m_directorioPrograma;
};
