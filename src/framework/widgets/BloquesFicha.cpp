#include "BloquesFicha.h"

#include "BotonEnlace.h"
#include "DBEdit.h"
#include "DBImage.h"
#include "Formularios.h"
#include "SaltoCuenta.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <span>

namespace fw {

namespace {

// The boxes of a block, in the order the Tab key goes through them.
void crearCajas(std::span<const CajaFicha> cajas, ds::RecordSet &datos, QWidget *ventana)
{
    for (const CajaFicha &caja : cajas)
        if (caja.destino)
            *caja.destino = crearCaja(datos, caja.caja, caja.columna, ventana);
}

void agregarFilas(QFormLayout *campos, std::span<const CajaFicha> cajas)
{
    for (const CajaFicha &caja : cajas)
        if (caja.destino)
            campos->addRow(caja.etiqueta, *caja.destino);
}

} // namespace

void agregarDomicilio(QFormLayout *campos, ds::RecordSet &datos, QWidget *ventana, const CajasDomicilio &c,
                      const DescripcionDomicilio &d)
{
    const CajaFicha cajas[] = {
        {"txtDireccion", QStringLiteral("DIRECCION"), QStringLiteral("DIRECCION"), c.direccion},
        {"txtLocalidad", QStringLiteral("LOCALIDAD"), QStringLiteral("LOCALIDAD"), c.localidad},
        {d.cajaPostal, d.columnaPostal, QStringLiteral("COD.POSTAL"), c.codigoPostal},
        {"txtProvincia", QStringLiteral("PROVINCIA"), QStringLiteral("PROVINCIA"), c.provincia},
        {"txtTelefono1", QStringLiteral("TELEFONO1"), QStringLiteral("TELEFONO/s"), c.telefono1},
        {"txtTelefono2", QStringLiteral("TELEFONO2"), {}, c.telefono2},
        {"txtFax", QStringLiteral("FAX"), QStringLiteral("FAX"), c.fax},
        {"txtEmail", QStringLiteral("EMAIL"), QStringLiteral("EMAIL"), c.email},
    };
    crearCajas(cajas, datos, ventana);
    auto *btnEmail = BotonEnlace::email(*c.email, ventana);
    btnEmail->setObjectName(QStringLiteral("btnEmail"));

    agregarFilas(campos, std::span(cajas).first(4));
    campos->addRow(cajas[4].etiqueta, enFila({*c.telefono1, *c.telefono2}));
    agregarFilas(campos, std::span(cajas).subspan(6, 1));
    campos->addRow(cajas[7].etiqueta, enFila({*c.email, btnEmail}));
}

void agregarBanco(QFormLayout *campos, ds::RecordSet &datos, QWidget *ventana, const CajasBanco &c,
                  const DescripcionBanco &d)
{
    // The four parts of the code are captioned above their boxes, not beside.
    const CajaFicha cajas[] = {
        {"txtBanco", QStringLiteral("BANCO"), QStringLiteral("BANCO"), c.banco},
        {"txtSucursal", QStringLiteral("SUCURSAL"), QStringLiteral("SUCURSAL"), c.sucursal},
        {d.cajaProvincia, d.columnaProvincia, QStringLiteral("PROVINCIA"), c.provincia},
        {"txtEntidad", QStringLiteral("COD_ENTIDAD"), QStringLiteral("ENTIDAD"), c.entidad},
        {"txtAgencia", QStringLiteral("COD_AGENCIA"), QStringLiteral("AGENCIA"), c.agencia},
        {"txtDc", QStringLiteral("DC"), QStringLiteral("DC"), c.dc},
        {d.cajaCuenta, QStringLiteral("NCUENTA"), QStringLiteral("CUENTA"), c.cuenta},
    };
    crearCajas(cajas, datos, ventana);
    SaltoCuenta::install(*c.entidad, *c.agencia, *c.dc, *c.cuenta);

    agregarFilas(campos, std::span(cajas).first(3));
    // The four parts side by side, each under its caption, as the code is written.
    auto *codigo = new QGridLayout;
    for (int parte = 0; parte < 4; ++parte) {
        codigo->addWidget(new QLabel(cajas[3 + parte].etiqueta, ventana), 0, parte);
        codigo->addWidget(*cajas[3 + parte].destino, 1, parte);
    }
    campos->addRow(codigo);
}

DBImage *agregarCabeceraImagen(QVBoxLayout *cuerpo, ds::RecordSet &datos, QWidget *ventana,
                               const DescripcionCabeceraImagen &d)
{
    crearCajas(d.campos, datos, ventana);
    auto *imagen = new DBImage(datos, d.columnaImagen, ventana);
    imagen->setObjectName(QLatin1String(d.imagen));
    imagen->setFixedSize(d.tamano);

    auto *campos = new QFormLayout;
    agregarFilas(campos, d.campos);
    auto *columnaImagen = new QVBoxLayout;
    columnaImagen->addWidget(new QLabel(d.columnaImagen, ventana));
    columnaImagen->addWidget(imagen);
    auto *cabecera = new QHBoxLayout;
    cabecera->addLayout(campos, 1);
    cabecera->addLayout(columnaImagen);
    cuerpo->addLayout(cabecera);
    return imagen;
}

} // namespace fw
