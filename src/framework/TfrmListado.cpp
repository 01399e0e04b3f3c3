#include "TfrmListado.h"

#include "SentenciaListado.h"
#include "TfrmGestion.h"
#include "TfrmImprimir.h"
#include "app/TmdlConexiones.h"
#include "platform/dataset/RecordSet.h"
#include "platform/reports/Conexiones.h"
#include "platform/ui/widgets/EnterAsTab.h"
#include "widgets/BandaTitulo.h"
#include "widgets/Formularios.h"
#include "widgets/Intentar.h"

#include <QAction>
#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <memory>

namespace {

// The commands the user must not reach from a search: it only picks a code.
void ocultarComandosDeEdicion(TfrmGestion &gestion)
{
    for (QAction *accion : {gestion.accNuevo, gestion.accEliminar, gestion.accModificar, gestion.accListar})
        accion->setVisible(false);
    if (auto *etiquetas = gestion.findChild<QAction *>(QStringLiteral("accEtiquetas")))
        etiquetas->setVisible(false);
}

using Comparacion = fw::SentenciaListado::Comparacion;

} // namespace

TfrmListado::TfrmListado(QWidget *owner, DescripcionListado descripcion)
    : QDialog(owner), consulta(new ds::RecordSet(QStringLiteral("consulta"), this)),
      m_descripcion(std::move(descripcion))
{
    setWindowTitle(m_descripcion.caption);
    setModal(true);
    consulta->setConnection(&mdlConexiones().ConexionEmpresa);
    // Only the report reads these rows: nothing may change them.
    consulta->afterOpen = [](ds::RecordSet &filas) {
        for (ds::Field *campo : filas.fields())
            campo->readOnly = true;
    };
    construir();
    ui::EnterAsTab::install(this);
}

void TfrmListado::construir()
{
    auto *banda = new fw::BandaTitulo(this);
    lblTitulo = banda->lblTitulo();
    lblTitulo->setText(m_descripcion.titulo);

    auto *rejilla = new QGridLayout;
    rejilla->setHorizontalSpacing(4);
    QHBoxLayout *filaEstados = nullptr;
    int fila = 0;
    for (const FiltroListado &filtro : m_descripcion.filtros) {
        Controles controles;
        switch (filtro.tipo) {
        case FiltroListado::Tipo::RangoCodigos:
        case FiltroListado::Tipo::RangoFechas:
            rejilla->addWidget(new QLabel(filtro.etiqueta, this), fila, 0);
            rejilla->addWidget(new QLabel(QStringLiteral("de"), this), fila, 1);
            controles.desde = agregarCaja(filtro, QStringLiteral("Desde"), rejilla, fila, 2);
            rejilla->addWidget(new QLabel(QStringLiteral("hasta"), this), fila, 4);
            controles.hasta = agregarCaja(filtro, QStringLiteral("Hasta"), rejilla, fila, 5);
            ++fila;
            break;
        case FiltroListado::Tipo::Codigo:
            rejilla->addWidget(new QLabel(filtro.etiqueta, this), fila, 0);
            controles.desde = agregarCaja(filtro, QString(), rejilla, fila, 2);
            ++fila;
            break;
        case FiltroListado::Tipo::Estado:
            // The states share one row, under the window's label for them.
            if (!filaEstados) {
                filaEstados = new QHBoxLayout;
                rejilla->addWidget(new QLabel(m_descripcion.estados, this), fila, 0);
                rejilla->addLayout(filaEstados, fila++, 1, 1, 6);
            }
            controles.marca = new QCheckBox(filtro.etiqueta, this);
            controles.marca->setObjectName(QStringLiteral("chk") + filtro.etiqueta);
            controles.marca->setChecked(true);
            filaEstados->addWidget(controles.marca);
            break;
        }
        m_controles.push_back(controles);
    }
    if (filaEstados)
        filaEstados->addStretch();
    rejilla->setColumnStretch(7, 1);

    QFrame *botones = fw::crearBandaAceptar(this, btnAceptar, btnCancelar, accAceptar, accCancelar);
    connect(accAceptar, &QAction::triggered, this, &TfrmListado::accAceptarExecute);
    connect(accCancelar, &QAction::triggered, this, &QDialog::reject);

    auto *centro = new QVBoxLayout;
    centro->setContentsMargins(12, 12, 12, 12);
    centro->addLayout(rejilla);
    centro->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(banda);
    layout->addLayout(centro, 1);
    layout->addWidget(botones);
}

// A filter box at (fila, columna) of the grid, with its search button on
// the right when the filter has one.
QLineEdit *TfrmListado::agregarCaja(const FiltroListado &filtro, const QString &lado, QGridLayout *rejilla, int fila,
                                    int columna)
{
    auto *caja = new QLineEdit(this);
    caja->setObjectName(QStringLiteral("txt") + lado + filtro.columna);
    if (filtro.tipo == FiltroListado::Tipo::RangoFechas)
        caja->setPlaceholderText(QStringLiteral("dd/mm/aaaa"));
    rejilla->addWidget(caja, fila, columna);
    if (filtro.busqueda.fabrica) {
        auto *boton = new QToolButton(this);
        boton->setObjectName(QStringLiteral("Buscar") + lado + filtro.columna);
        boton->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
        boton->setToolTip(QStringLiteral("Buscar"));
        boton->setFocusPolicy(Qt::NoFocus);
        connect(boton, &QToolButton::clicked, this, [this, caja, &filtro] { buscar(filtro.busqueda, caja); });
        rejilla->addWidget(boton, fila, columna + 1);
    }
    return caja;
}

void TfrmListado::buscar(const BusquedaListado &busqueda, QLineEdit *caja)
{
    std::unique_ptr<TfrmGestion> gestion(busqueda.fabrica(this));
    ocultarComandosDeEdicion(*gestion);
    if (!gestion->Abrir(busqueda.sql, true))
        return;
    gestion->exec();
    if (!gestion->CodigoSeleccionado().isEmpty())
        caja->setText(gestion->CodigoSeleccionado());
}

QString TfrmListado::sentencia() const
{
    fw::SentenciaListado sentencia(m_descripcion.sentencia);
    for (std::size_t i = 0; i < m_controles.size(); ++i) {
        const FiltroListado &filtro = m_descripcion.filtros[i];
        const Controles &controles = m_controles[i];
        switch (filtro.tipo) {
        case FiltroListado::Tipo::RangoCodigos:
            sentencia.codigo(filtro.columna, Comparacion::Desde, controles.desde->text());
            sentencia.codigo(filtro.columna, Comparacion::Hasta, controles.hasta->text());
            break;
        case FiltroListado::Tipo::Codigo:
            sentencia.codigo(filtro.columna, Comparacion::Igual, controles.desde->text());
            break;
        case FiltroListado::Tipo::RangoFechas:
            sentencia.fecha(filtro.columna, Comparacion::Desde, controles.desde->text());
            sentencia.fecha(filtro.columna, Comparacion::Hasta, controles.hasta->text());
            break;
        case FiltroListado::Tipo::Estado:
            sentencia.excluir(filtro.columna, controles.marca->isChecked());
            break;
        }
    }
    return sentencia.texto();
}

void TfrmListado::accAceptarExecute()
{
    QString sql;
    // A date that is not a date is said before anything runs; the window
    // stays open for the user to correct it.
    if (!fw::intentar([&] { sql = sentencia(); }))
        return;
    consulta->close();
    consulta->setCommandText(sql);
    rpt::Conexiones conexiones;
    conexiones.agregar(m_descripcion.conexion.isEmpty() ? m_descripcion.informe : m_descripcion.conexion,
                       *consulta);
    TfrmImprimir imprimir(this, conexiones, m_descripcion.informe);
    imprimir.exec();
    accept();
}
