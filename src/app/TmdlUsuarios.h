#pragma once

#include "framework/DataModule.h"

namespace fb {
class Connection;
}

// The users data module: the record set `Usuarios` over the general
// database's USUARIO table and the user rules. The user named "admin" is
// built in: it cannot be deleted and its name cannot be changed.
class TmdlUsuarios : public fw::DataModule
{
    Q_OBJECT
public:
    // Bound to the general connection of the program (mdlConexiones()).
    explicit TmdlUsuarios(QObject *parent = nullptr);
    // Bound to any general database (tests).
    explicit TmdlUsuarios(fb::Connection &general, QObject *parent = nullptr);

    ds::RecordSet &Usuarios;

private:
    void UsuariosNewRecord(ds::RecordSet &set);
    void UsuariosAfterInsert(ds::RecordSet &set);
    void UsuariosAfterEdit(ds::RecordSet &set);
    void UsuariosBeforeDelete(ds::RecordSet &set);
};
