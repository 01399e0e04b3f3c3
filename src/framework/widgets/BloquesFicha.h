#pragma once

#include <QSize>
#include <QString>
#include <vector>

class QVBoxLayout;
class QFormLayout;
class QWidget;

namespace ds {
class RecordSet;
}

namespace fw {

class DBEdit;
class DBImage;

// Blocks of boxes several files show alike (companies, people, customers and
// suppliers, their addresses and contacts, warehouses, bank accounts): each
// block is built here once, its boxes created with the window as parent and
// named as the window's members, in the order the Tab key goes through them.

// The postal address with telephones, fax and e-mail. Files differ in the
// postal-code column and box.
struct DescripcionDomicilio
{
    QString columnaPostal = QStringLiteral("COD_POSTAL"); // or "CODIGO_POSTAL"
    const char *cajaPostal = "txtCodPostal";              // or "txtCodigoPostal"
};

// Where the window keeps each box. A null place leaves that box and its row
// out (a contact shows no postal address and no fax); the telephones and
// the e-mail are always there.
struct CajasDomicilio
{
    DBEdit **direccion = nullptr;
    DBEdit **localidad = nullptr;
    DBEdit **codigoPostal = nullptr;
    DBEdit **provincia = nullptr;
    DBEdit **telefono1 = nullptr;
    DBEdit **telefono2 = nullptr;
    DBEdit **fax = nullptr;
    DBEdit **email = nullptr;
};

// Adds the rows to `campos`: "DIRECCION", "LOCALIDAD", "COD.POSTAL",
// "PROVINCIA", "TELEFONO/s" (two boxes in a row), "FAX" and "EMAIL" with the
// e-mail button ("btnEmail") beside it.
void agregarDomicilio(QFormLayout *campos, ds::RecordSet &datos, QWidget *ventana, const CajasDomicilio &cajas,
                      const DescripcionDomicilio &descripcion = {});

// A bank and its account code: bank, branch and province, then the four
// parts of the code side by side under their captions, the focus jumping on
// as each part fills (SaltoCuenta). Files differ in the province column and
// in the names of the province and account-number boxes.
struct DescripcionBanco
{
    const char *cajaProvincia = "txtProvincia";
    QString columnaProvincia = QStringLiteral("PROVINCIA");
    const char *cajaCuenta = "txtCuenta";
};

// Where the window keeps each box (every place is needed).
struct CajasBanco
{
    DBEdit **banco = nullptr;
    DBEdit **sucursal = nullptr;
    DBEdit **provincia = nullptr;
    DBEdit **entidad = nullptr;
    DBEdit **agencia = nullptr;
    DBEdit **dc = nullptr;
    DBEdit **cuenta = nullptr;
};

void agregarBanco(QFormLayout *campos, ds::RecordSet &datos, QWidget *ventana, const CajasBanco &cajas,
                  const DescripcionBanco &descripcion = {});

// One box of a block: its name and column, the caption of its row, and the
// window's member that receives it (none: the block leaves it out).
struct CajaFicha
{
    const char *caja = nullptr;
    QString columna{};
    QString etiqueta{};
    DBEdit **destino = nullptr;
};

// The header of a file with a picture: a form of boxes on the left, the
// picture under its caption on the right.
struct DescripcionCabeceraImagen
{
    std::vector<CajaFicha> campos{};
    const char *imagen = nullptr; // the picture box's name
    QString columnaImagen{};      // also the picture's caption ("LOGO", "FOTO")
    QSize tamano{};
};

DBImage *agregarCabeceraImagen(QVBoxLayout *cuerpo, ds::RecordSet &datos, QWidget *ventana,
                               const DescripcionCabeceraImagen &descripcion);

} // namespace fw
