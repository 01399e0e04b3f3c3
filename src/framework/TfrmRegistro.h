#pragma once

#include <QDialog>
#include <QPointer>
#include <functional>
#include <vector>

class QAbstractButton;
class QAction;
class QFormLayout;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QTabWidget;
class QToolButton;
class QVBoxLayout;

namespace ds {
class RecordSet;
}

class TfrmGestion;
struct DescripcionReferencia;

namespace fw {
class DBEdit;
}

// What sets one record window apart from the others: captions, the table it
// reopens when it owns its data module, and how its code is typed.
struct DescripcionRegistro
{
    QString caption{}; // window caption, such as "DATOS DE EMPRESA"
    QString titulo{};  // title in the white band, such as "EMPRESA"
    QString tabla{};   // table reopened on one row when the window owns its data module
    // Numeric codes (given by the next-number rule) go into statements without quotes.
    bool codigoNumerico = false;
    // The code box is disabled in modify and view mode; a window whose data
    // module refuses a changed code by itself may leave it enabled.
    bool bloquearCodigo = true;
};

// Base of the record windows (Tfrm + entity): one row's fields over the main
// record set of a data module, in add, modify or view mode, with "Aceptar"
// and "Cancelar" in a coloured band at the bottom. The data module is either
// lent by the caller (the browse window's own, so the window edits the row on
// which the grid stands, and the caller applies) or created by the window
// itself (then the window reopens the record set on the row it shows and
// applies on "Aceptar"). A lent module is never destroyed here.
//
// A subclass builds its boxes (see the widgets folder) into cuerpo() and the
// tabs of PageControl1, names the code box, and passes the record set to
// setDatos() from its constructor.
class TfrmRegistro : public QDialog
{
    Q_OBJECT
public:
    enum class Modo { Annadir, Modificar, Ver };

    // Creates the browse window (modal) of the entity a Buscar button picks from.
    using FabricaGestion = std::function<TfrmGestion *(QWidget *owner)>;
    // Creates the record window (modal, with its own data module) a Ver button shows.
    using FabricaRegistro = std::function<TfrmRegistro *(QWidget *owner)>;

    ~TfrmRegistro() override;

    const bool Modal;
    const bool ModuloCompartido;

    // Add mode: reopens the record set on no row when the module is the
    // window's own, then appends a new row (the new-record rules run). Throws
    // what the record set or the rules throw.
    void Nuevo();
    // Modify (editable) or view mode on the row with this code; with a lent
    // module the code is ignored and the lent record set's current row is shown.
    void Mostrar(const QVariant &codigo, bool editable);

    Modo modo() const { return m_modo; }
    ds::RecordSet &datos() const;

    QLabel *lblTitulo;
    QLabel *imgAnnadir;
    QLabel *imgModificar;
    QLabel *imgVer;
    QTabWidget *PageControl1;
    QPushButton *btnAceptar;
    QPushButton *btnCancelar;
    QAction *accAceptar;
    QAction *accCancelar;

public slots:
    // The system close button and Escape: neither posts nor cancels what
    // the user did; a row left in edit or insert is posted when the user
    // changed something (and dropped if the rules refuse it), cancelled otherwise.
    void reject() override;

protected:
    TfrmRegistro(QWidget *owner, bool modal, bool moduloCompartido, DescripcionRegistro descripcion);

    void setDatos(ds::RecordSet &datos);
    // The box of the top part of the window, above the tabs.
    QVBoxLayout *cuerpo() const { return m_cuerpo; }
    void setCajaCodigo(QWidget *caja) { m_cajaCodigo = caja; }
    // A box bound to a column of the record set, named as the window's member.
    fw::DBEdit *nuevaCaja(const char *nombre, const QString &columna);
    // A box of a column the user never types: a name looked up beside a
    // code, or a figure other rules keep.
    fw::DBEdit *cajaSoloLectura(const char *nombre, const QString &columna);
    // The top form of a file kept by code and description: rows "CODIGO" and
    // "DESCRIPCION" (boxes "txtCodigo" and "txtDescripcion"), the first being
    // the window's code box. The form is returned for further rows.
    QFormLayout *crearCabeceraCodigo(fw::DBEdit *&codigo, fw::DBEdit *&descripcion);

    // A "Buscar" command: picks a code from the browse window of another
    // entity in select mode and writes it into `columna` (whose existence
    // check then runs). Enabled except in view mode.
    QAction *agregarBuscar(QAbstractButton *boton, const char *nombre, const QString &hint, const QString &columna,
                           FabricaGestion fabrica, const QString &sql);
    // A "Ver" command: shows the record of the code in `columna` in view
    // mode. Enabled while the column is not empty.
    QAction *agregarVer(QAbstractButton *boton, const char *nombre, const QString &hint, const QString &columna,
                        FabricaRegistro fabrica);

    // A code box of another entity with its Buscar and Ver commands (see
    // DescripcionReferencia) and, when named, the entity's name beside it.
    struct Referencia
    {
        fw::DBEdit *codigo;
        fw::DBEdit *nombre; // null when the description names no name box
        QToolButton *btnBuscar;
        QToolButton *btnVer;
        QAction *buscar;
        QAction *ver;
        QHBoxLayout *fila; // the boxes and buttons in one row of a form
    };
    Referencia crearReferencia(const DescripcionReferencia &descripcion);

    // Record sets of dependent rows shown in grids of the window: applied on
    // "Aceptar" (false keeps the window open) and dropped on "Cancelar".
    virtual bool aplicarDependientes() { return true; }
    virtual void cancelarDependientes() {}

    // An own data module's record set reopened on the row of this code, or
    // on no row when the code is null (before a new row is appended). By
    // default the table of the description by its CODIGO column; documents,
    // found by series and number, reopen through their data module.
    virtual void reabrir(const QVariant &codigo);
    // Called once the window stands on its row in its mode (at the end of
    // Nuevo and Mostrar): the place to read the rows that depend on it.
    virtual void alPosicionar() {}

private:
    void accAceptarExecute();
    void accCancelarExecute();
    void setModo(Modo modo);
    void ordenarTabulacion();
    void enfocarPrimeraCaja();
    bool guardarControles();
    void actualizarComandos();
    void marcarModificado();

    DescripcionRegistro m_descripcion;
    QPointer<ds::RecordSet> m_datos;
    QVBoxLayout *m_cuerpo;
    QWidget *m_cajaCodigo = nullptr;
    Modo m_modo = Modo::Ver;
    bool m_modificado = false;
    bool m_tabulacionOrdenada = false;
    std::vector<QAction *> m_buscar;
    std::vector<std::pair<QAction *, QString>> m_ver;
};

// What a code box of another entity needs: its column and box, the column
// and box of the name shown beside it (none: no name box), and the Buscar
// and Ver commands with their hints, browse window and record window. The
// buttons are named "btn" + the command's name.
struct DescripcionReferencia
{
    const char *caja = nullptr;
    QString columna{};
    const char *cajaNombre = nullptr;
    QString columnaNombre{};
    const char *buscar = nullptr;
    QString hintBuscar{};
    TfrmRegistro::FabricaGestion gestion{};
    QString sqlGestion{};
    const char *ver = nullptr;
    QString hintVer{};
    TfrmRegistro::FabricaRegistro registro{};
    // The warehouse files show the name right after the code, then the
    // buttons, and keep the buttons out of the Tab chain.
    bool nombreTrasCodigo = false;
    bool botonesConFoco = true;
};
