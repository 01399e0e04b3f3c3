#pragma once

#include "framework/widgets/DBRadioGroup.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace ds {
class RecordSet;
}

// What sets one state-change dialog apart: its captions, the state words it
// offers and the captions of its buttons (empty: the button shows its icon only).
struct DescripcionCambioEstado
{
    QString caption;
    QString titulo;
    std::vector<fw::DBRadioGroup::Opcion> estados;
    QString textoAceptar{};
    QString textoCancelar{};
};

// Base of the state-change dialogs (TfrmCambioEstado + document): one choice
// bound to the ESTADO of the current row of a browse window's record set.
// Cambiar() puts the row in edit and shows the dialog; accepting posts the
// row (the data module's rules run) and applies it at once; cancelling or
// closing the dialog cancels the edit.
class TfrmCambioEstado : public QDialog
{
    Q_OBJECT
public:
    // Runs the change on the current row; false when nothing was stored.
    bool Cambiar();

    QLabel *lblTitulo;
    fw::DBRadioGroup *rgEstado;
    QPushButton *btnAceptar;
    QPushButton *btnCancelar;

protected:
    TfrmCambioEstado(QWidget *owner, ds::RecordSet &datos, const DescripcionCambioEstado &descripcion);

private:
    void aceptar();

    ds::RecordSet &m_datos;
};
