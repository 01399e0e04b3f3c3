#pragma once

#include "framework/DataModule.h"

struct DescripcionPersonal;

namespace fb {
class Connection;
}

// The data module of a file of people (salespeople, purchase managers,
// warehouse managers): one record set over the file's table with its rules.
// The code is unique and typed once; a NIF typed without its letter is
// completed and a wrong one draws the file's message (and is kept); the
// postal code fills the province; a person still named by documents cannot
// be deleted. A new row starts empty. The files themselves are thin
// subclasses that give their description and name the record set.
class TmdlPersonal : public fw::DataModule
{
    Q_OBJECT
public:
    const DescripcionPersonal &descripcion() const { return m_descripcion; }
    // The main record set (Vendedores, ResponsablesCompras, REsponsablesAlmacen).
    ds::RecordSet &personal() const { return m_personal; }

protected:
    TmdlPersonal(fb::Connection &empresa, const DescripcionPersonal &descripcion, QObject *parent);

private:
    void CODIGOValidate(ds::Field &field);
    void NIFValidate(ds::Field &field);
    void CODIGO_POSTALValidate(ds::Field &field);
    void BeforeDelete(ds::RecordSet &set);

    const DescripcionPersonal &m_descripcion;
    ds::RecordSet &m_personal;
};
