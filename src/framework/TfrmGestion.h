#pragma once

#include <QDialog>
#include <QPointer>
#include <QStringList>
#include <functional>

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableView;
class QToolButton;
class QVBoxLayout;

namespace ds {
class RecordSet;
class RecordSetModel;
}

class TfrmRegistro;

// What sets one browse window apart from the others. Everything else (the
// commands, their enabling, ordering and search, select mode) is common.
struct DescripcionGestion
{
    QString caption{};            // window caption, such as "GESTION DE EMPRESAS"
    QString titulo{};             // title in the white band, such as "EMPRESAS"
    QStringList orden{};          // entries of "ORDENAR": column names
    QStringList columnas{};       // grid columns: field names
    QString textoNuevo = QStringLiteral("&Nuevo"); // empty: the window has no new command
    QString preguntaEliminar{};   // such as "¿Desea eliminar la Empresa?"
    QString campoCodigo = QStringLiteral("CODIGO"); // select result: key
    QString campoNombre{};        // select result: name (empty: none)
    QString textoRefrescar{};     // caption of the refresh button (empty: icon only)
    QString hintRefrescar = QStringLiteral("Refrescar los datos");
    bool refrescarConF5 = true;
    QString textoCerrar{};        // caption of the close button (empty: icon only)
    QString hintCerrar = QStringLiteral("Cerrar la ventana");
    // Apply the record set after the record window of "Nuevo" and
    // "Modificar" closes; false where the record window applies by itself.
    bool aplicarTrasRegistro = true;
    // Enter in the grid acts as a double click.
    bool enterComoDobleClic = false;
    // In select mode a record set of exactly one row is chosen at once,
    // without showing the window.
    bool seleccionUnica = false;
};

// Base of the browse windows (TfrmGestion + entity): a grid over the main
// record set of the window's own data module, the flat command column on the
// left (repeated in the grid's context menu), "ORDENAR" and "LOCALIZAR". The
// same window is the search window: opened in select mode it hands the chosen
// row's key and name back to its caller.
//
// A subclass creates its data module as a child of the window, passes the
// record set to setDatos() and the description to the constructor, creates
// its record window in crearRegistro(), and may add commands of its own.
//
// Modal false: a child window of the main window (which places it in its
// window area) that frees itself when closed. Modal true: the caller runs it
// with exec() and destroys it.
class TfrmGestion : public QDialog
{
    Q_OBJECT
public:
    ~TfrmGestion() override;

    const bool Modal;

    // Opens the record set on the command text; in select mode the select
    // command shows. An error is shown in the error box and the window stays
    // open (false).
    bool Abrir(const QString &sql, bool seleccion);

    // Select result: empty until a row is chosen.
    const QString &CodigoSeleccionado() const { return m_codigo; }
    const QString &NombreSeleccionado() const { return m_nombre; }
    bool modoSeleccion() const { return m_seleccion; }

    ds::RecordSet &datos() const;
    const DescripcionGestion &descripcion() const { return m_descripcion; }

    // The title band's text; the main window overwrites it for some windows.
    void setTitulo(const QString &titulo);

    QLabel *lblTitulo;
    QComboBox *cmbOrden;
    QLineEdit *txtLocalizar;
    QTableView *DBGrid1;
    QAction *accNuevo;
    QAction *accModificar;
    QAction *accVer;
    QAction *accEliminar;
    QAction *accListar;
    QAction *accSeleccionar;
    QAction *accRefrescar;
    QAction *accCerrar;

protected:
    TfrmGestion(QWidget *owner, bool modal, DescripcionGestion descripcion);

    void setDatos(ds::RecordSet &datos);
    // The entity's record window, modal, on this window's data module.
    virtual TfrmRegistro *crearRegistro() = 0;
    // The key handed back in select mode; the key column's text by default.
    virtual QString claveSeleccionada() const;

    enum class Habilitado { Siempre, ConFila };
    // A command of the entity (a button in the column, an item of the
    // context menu), placed after the common ones.
    QAction *agregarComando(const char *nombre, const QString &texto, Habilitado habilitado,
                            std::function<void()> ejecutar);
    // The listing command: shown once the entity has a listing window.
    void setListado(std::function<void()> listar);

    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    QAction *nuevoComando(const char *nombre, const QString &texto, const QString &hint, Habilitado habilitado);
    QToolButton *nuevoBoton(QAction *accion, bool conTexto);
    void construir();
    void conectarComandos();
    void abrirRegistro(bool nuevo, bool editable);
    void aplicar();
    void accNuevoExecute();
    void accModificarExecute();
    void accVerExecute();
    void accEliminarExecute();
    void accSeleccionarExecute();
    void accRefrescarExecute();
    void cerrar();
    void cmbOrdenChange(int entrada);
    void txtLocalizarChange(const QString &texto);
    void DBGrid1DblClick();
    void DBGrid1CellClick(const QModelIndex &indice);
    void sincronizarRejilla();
    void actualizarComandos();
    void elegir();
    QString columnaBusqueda();

    DescripcionGestion m_descripcion;
    QPointer<ds::RecordSet> m_datos;
    ds::RecordSetModel *m_modelo = nullptr;
    QVBoxLayout *m_botones = nullptr;
    int m_posicionExtras = 0;
    std::vector<std::pair<QAction *, Habilitado>> m_comandos;
    std::function<void()> m_listar;
    QString m_codigo;
    QString m_nombre;
    bool m_seleccion = false;
    bool m_sincronizando = false;
};
