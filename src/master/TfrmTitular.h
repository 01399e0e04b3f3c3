#pragma once

#include "framework/TfrmRegistro.h"
#include "master/DocumentosTitular.h"
#include "master/Satelites.h"

#include <vector>


namespace fw {
class DBEdit;
class DBImage;
class DBMemo;
class DBRadioGroup;
}
namespace master {
struct ComandosSatelites;
class PestanaSatelites;
}

// What sets the record windows of customers and suppliers apart in the
// parts they share.
struct DescripcionTitular
{
    DescripcionRegistro registro;
    QString tipoDe;                               // owner kind of the owned rows ("C", "P")
    std::vector<master::Satelite> ordenAplicar;   // order in which "Aceptar" stores the lists
    QString columnaCif;                           // "CIF_NIF" or "CIF", also its label
    QString columnaPostal;                        // "CODIGO_POSTAL" or "COD_POSTAL"
    QString columnaDocumentos;                    // party column of the documents ("CLIENTE", "PROVEEDOR")
    const std::vector<master::DocumentoTitular> *documentos;
};

// The record window customers and suppliers share: the header with code,
// name, tax identity, registered name and logo; the registered address, the
// bank account and the comment; the tabs of owned addresses, contacts and
// notes, edited in lists of the window's own and stored by its "Aceptar";
// and the read-only documents. The entity's window builds its tabs in its
// own order with the pieces below, after giving its record set to iniciar().
class TfrmTitular : public TfrmRegistro
{
    Q_OBJECT
public:
    master::SatelitesTitular *satelites = nullptr;
    master::DocumentosTitular *documentos = nullptr;

    fw::DBEdit *txtCodigo = nullptr;
    fw::DBEdit *txtNombre = nullptr;
    fw::DBEdit *txtCif = nullptr;
    fw::DBEdit *txtRazonSocial = nullptr;
    fw::DBImage *imgLogo = nullptr;
    fw::DBEdit *txtDireccion = nullptr;
    fw::DBEdit *txtLocalidad = nullptr;
    fw::DBEdit *txtCodPostal = nullptr;
    fw::DBEdit *txtProvincia = nullptr;
    fw::DBEdit *txtTelefono1 = nullptr;
    fw::DBEdit *txtTelefono2 = nullptr;
    fw::DBEdit *txtFax = nullptr;
    fw::DBEdit *txtEmail = nullptr;
    fw::DBEdit *txtPaginaWeb = nullptr;
    fw::DBEdit *txtBanco = nullptr;
    fw::DBEdit *txtSucursal = nullptr;
    fw::DBEdit *txtProvinciaBanco = nullptr;
    fw::DBEdit *txtEntidad = nullptr;
    fw::DBEdit *txtAgencia = nullptr;
    fw::DBEdit *txtDc = nullptr;
    fw::DBEdit *txtCuenta = nullptr;
    fw::DBMemo *memObservaciones = nullptr;
    fw::DBRadioGroup *rgRegimenIva = nullptr;

protected:
    TfrmTitular(QWidget *owner, bool modal, bool moduloCompartido, DescripcionTitular descripcion);

    // The entity's record set; builds the header and the window's lists.
    void iniciar(ds::RecordSet &datos);

    void crearDomicilio();
    void crearBanco();
    void crearComentario();
    void crearSatelites(master::Satelite tipo, const QString &pestana, const master::ComandosSatelites &comandos);
    void crearDocumentos();

    fw::DBRadioGroup *crearRegimenIva(QWidget *pagina);

    // Enabling that depends on the mode, set once the window shows.
    virtual void aplicarModo();

    bool aplicarDependientes() override;
    void cancelarDependientes() override;
    void alPosicionar() override;

private:
    void crearCabecera();
    TfrmRegistro *crearFicha(master::Satelite tipo, QWidget *owner) const;

    DescripcionTitular m_descripcion;
    std::vector<master::PestanaSatelites *> m_pestanas;
};
