#pragma once

#include <QDialog>
#include <QString>
#include <functional>
#include <vector>

class QAction;
class QCheckBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ds {
class RecordSet;
}

class TfrmGestion;

// Where the search button beside a code box of a listing picks its codes: the
// entity's browse window (modal, in select mode) on all its rows by code.
struct BusquedaListado
{
    std::function<TfrmGestion *(QWidget *owner)> fabrica{}; // empty: the box has no search button
    QString sql{};                                          // such as "SELECT * FROM CLIENTE ORDER BY CODIGO"
};

// The search of an entity whose browse window is `Gestion`, on `tabla`.
template <typename Gestion>
BusquedaListado buscarEn(const QString &tabla)
{
    return {[](QWidget *owner) -> TfrmGestion * { return new Gestion(owner, true); },
            QStringLiteral("SELECT * FROM ") + tabla + QStringLiteral(" ORDER BY CODIGO")};
}

// One filter of a listing window, in the order its condition is appended.
struct FiltroListado
{
    enum class Tipo {
        RangoCodigos, // "de" and "hasta" boxes: (COLUMNA >= '...') and (COLUMNA <= '...')
        Codigo,       // one box: (COLUMNA = '...')
        RangoFechas,  // "de" and "hasta" dates: (COLUMNA >= 'aaaa-mm-dd') ...
        Estado        // a check box, ticked at first; cleared, `columna` is appended as it is
    };
    Tipo tipo;
    QString etiqueta;  // "CODIGO", "FORMA PAGO", "GENERAL"...
    QString columna;   // column compared; for a state, its whole condition ("(REGIMEN_IVA <> 1)")
    BusquedaListado busqueda{};

    // A range of codes of `columna`, labelled with the column's name.
    static FiltroListado rango(const QString &columna, BusquedaListado busqueda = {})
    {
        return {Tipo::RangoCodigos, columna, columna, std::move(busqueda)};
    }
    static FiltroListado codigo(const QString &etiqueta, const QString &columna, BusquedaListado busqueda)
    {
        return {Tipo::Codigo, etiqueta, columna, std::move(busqueda)};
    }
    static FiltroListado fechas(const QString &columna) { return {Tipo::RangoFechas, columna, columna}; }
    static FiltroListado estado(const QString &etiqueta, const QString &condicion)
    {
        return {Tipo::Estado, etiqueta, condicion};
    }
};

// What sets one listing window apart from the others.
struct DescripcionListado
{
    QString caption{};   // window caption, such as "LISTAR CLIENTES"
    QString titulo{};    // title in the white band, such as "LISTADO DE CLIENTES"
    QString sentencia{}; // base statement, such as "SELECT * FROM CLIENTE"
    QString informe{};   // report of Listados.rav
    QString conexion{};  // data connection the report reads; the report's name when empty
    QString estados{};   // label of the row of state check boxes, such as "REGIMEN IVA"
    std::vector<FiltroListado> filtros{};
};

// Base of the listing windows (TfrmListado + entity): a small modal dialog
// of filters. "Aceptar" turns the filled filters into one statement, sets it
// on `consulta` (a record set on the company's database that only the report
// reads; the report engine opens it), hands it to the report under its data
// connection name and runs the print dialog; the window closes after it.
//
// A browse window opens it as `TfrmListadoClientes(this).exec()`.
//
// The boxes are named after their column: "txtDesdeCODIGO" and
// "txtHastaCODIGO" for a range, "txtVENDEDOR" for a single code, with their
// search buttons "BuscarDesdeCODIGO"..., and "chk" + label for the check
// boxes ("chkGENERAL").
class TfrmListado : public QDialog
{
    Q_OBJECT
public:
    const DescripcionListado &descripcion() const { return m_descripcion; }

    ds::RecordSet *consulta;
    QLabel *lblTitulo;
    QPushButton *btnAceptar;
    QPushButton *btnCancelar;
    QAction *accAceptar;
    QAction *accCancelar;

protected:
    TfrmListado(QWidget *owner, DescripcionListado descripcion);

private:
    // The controls of one filter: one box or two, or a check box.
    struct Controles
    {
        QLineEdit *desde = nullptr; // the only box of a single code
        QLineEdit *hasta = nullptr;
        QCheckBox *marca = nullptr;
    };

    void construir();
    // The statement of the filters as they are now. Throws ds::DatasetError
    // when a date box holds a text that is not a date.
    QString sentencia() const;
    QLineEdit *agregarCaja(const FiltroListado &filtro, const QString &lado, QGridLayout *rejilla, int fila,
                           int columna);
    void buscar(const BusquedaListado &busqueda, QLineEdit *caja);
    void accAceptarExecute();

    DescripcionListado m_descripcion;
    std::vector<Controles> m_controles; // one per filter, in the same order
};
