#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPushButton;
namespace fb {
class Connection;
}

// The login dialog: a user name and password checked against USUARIO in
// the general database. Shown modally; CodigoUsuario tells the result.
class TfrmLogin final : public QDialog
{
    Q_OBJECT
public:
    // On the general connection of the program (mdlConexiones()).
    explicit TfrmLogin(QWidget *parent = nullptr);
    explicit TfrmLogin(fb::Connection &general, QWidget *parent = nullptr);

    // False: the start-up login, whose Cancel ends the program. True: a
    // change of user in a running program, whose Cancel only closes it.
    bool CambioUsuario = false;
    // The CODIGO of the accepted user; -1 until a login succeeds.
    int CodigoUsuario = -1;

    // Whether the dialog was given up with Cancel (the button or Escape),
    // rather than closed some other way.
    bool cancelado() const { return m_cancelado; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void btnAceptarClick();
    void btnCancelarClick();
    QWidget *crearPanel();

    fb::Connection &m_general;
    QLineEdit *txtNombre;
    QLineEdit *txtContrasena;
    QLabel *lblError;
    QPushButton *btnAceptar;
    QPushButton *btnCancelar;
    bool m_cancelado = false;
};
