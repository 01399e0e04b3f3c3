#pragma once

#include <QHash>
#include <QMainWindow>
#include <functional>

class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QToolBox;
class Sesion;
class TfrmAcerca;

// Main window of the program: the frame of every browse window (child
// windows of its multi-document area), the menu bar, the shortcut bar with
// one page per business area, and the status bar with the current company,
// the current user and a clock. Closing it ends the run, after the user
// agrees.
class TfrmPrincipal final : public QMainWindow
{
    Q_OBJECT
public:
    // Makes the windows of a browse command: a new one each time.
    using FabricaVentana = std::function<QWidget *()>;

    // With a session, the first show runs the login and the choice of
    // company, and the status bar follows the session's user and company.
    explicit TfrmPrincipal(Sesion *sesion = nullptr, QWidget *parent = nullptr);
    ~TfrmPrincipal() override;

    // The about box created at start-up after this window; the window does not own it.
    void setAcerca(TfrmAcerca *acerca) { m_acerca = acerca; }

    // Binds a command that opens a window of its own (by its action's name)
    // to what it does, replacing an earlier binding. Such commands stay
    // disabled until they are bound, so a command whose window is not part
    // of the program yet is seen but cannot be used.
    void registrarOrden(const char *accion, std::function<void()> orden);
    // A browse command: each use shows a new window of the factory as a child.
    void registrarVentana(const char *accion, FabricaVentana fabrica);

    // Shows a window as a new child, placed (n - 1) * 20 pixels right and
    // down, n being the number of child windows with the new one.
    void abrirVentanaHija(QWidget *ventana);

    // Closes every child window, first to last; false when one of them
    // refused to close (the others are closed all the same).
    bool cerrarVentanasHijas();

protected:
    bool event(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QAction *crearAccion(const char *nombre, const QString &texto, const QKeySequence &atajo = {});
    QAction *accion(const char *nombre) const;
    void crearAcciones();
    void crearMenus();
    QMenu *crearMenu(QMenu *padre, const QString &titulo, std::initializer_list<const char *> entradas);
    void crearBarraAccesos();
    void crearBarraEstado();
    void conectarComandos();
    void conectarSesion();
    void registrarVentanas();

    void inicioSesion();
    void salirSinPreguntar();
    void actualizarReloj();
    void actualizarEdicion();
    void actualizarVentanas();
    void mosaico(Qt::Orientation orientacion);
    void accSesionNuevaExecute();
    void accAcercaAyudaExecute();

    Sesion *m_sesion;
    QMdiArea *m_area;
    QToolBox *tlbAccesos;
    QTimer *tmrReloj;
    QList<QLabel *> m_paneles;
    QHash<QAction *, std::function<void()>> m_ordenes;
    TfrmAcerca *m_acerca = nullptr;
    bool m_iniciado = false;
    bool m_salirSinPreguntar = false;
};
