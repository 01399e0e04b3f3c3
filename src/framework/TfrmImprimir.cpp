#include "TfrmImprimir.h"

#include "app/Sesion.h"
#include "app/TmdlConexiones.h"
#include "platform/reports/ErrorInforme.h"
#include "platform/reports/Maquetador.h"
#include "platform/reports/Proyecto.h"
#include "platform/reports/widgets/SalidaInforme.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/widgets/EnterAsTab.h"
#include "widgets/Formularios.h"
#include "widgets/Intentar.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPushButton>

namespace {

const QString kConexionEmpresa = QStringLiteral("Listado_Empresas");

} // namespace

TfrmImprimir::TfrmImprimir(QWidget *owner, rpt::Conexiones conexiones, const QString &informe)
    : QDialog(owner), m_conexiones(std::move(conexiones))
{
    setObjectName(QStringLiteral("TfrmImprimir"));
    setWindowTitle(QStringLiteral("IMPRIMIR"));
    setModal(true);
    if (Sesion *sesion = Sesion::actual(); sesion && !m_conexiones.buscar(kConexionEmpresa))
        m_conexiones.agregar(kConexionEmpresa, sesion->sqlEmpresa());

    txtNombreInforme = new QLineEdit(informe, this);
    txtNombreInforme->setObjectName(QStringLiteral("txtNombreInforme"));
    txtNombreInforme->setReadOnly(true);
    txtNombreInforme->setFocusPolicy(Qt::NoFocus);
    Copias = new QLineEdit(QStringLiteral("1"), this);
    Copias->setObjectName(QStringLiteral("Copias"));
    chkPrevia = new QCheckBox(QStringLiteral("Vista Previa"), this);
    chkPrevia->setObjectName(QStringLiteral("chkPrevia"));
    chkPrevia->setChecked(true);

    btnImprimir = fw::botonDialogo("btnImprimir", QStringLiteral("Imprimir"), this);
    btnConfigurar = fw::botonDialogo("btnConfigurar", QStringLiteral("Configurar"), this);
    btnCancelar = fw::botonDialogo("btnCancelar", QStringLiteral("Cancelar"), this);
    btnImprimir->setDefault(true);
    connect(btnImprimir, &QPushButton::clicked, this, &TfrmImprimir::btnImprimirClick);
    connect(btnConfigurar, &QPushButton::clicked, this, &TfrmImprimir::btnConfigurarClick);
    connect(btnCancelar, &QPushButton::clicked, this, &QDialog::reject);

    auto *campos = new QFormLayout;
    campos->addRow(QStringLiteral("Informe"), txtNombreInforme);
    campos->addRow(QStringLiteral("Nº Copias"), Copias);
    campos->addRow(QString(), chkPrevia);
    auto *botones = new QHBoxLayout;
    botones->addStretch();
    botones->addWidget(btnImprimir);
    botones->addWidget(btnConfigurar);
    botones->addWidget(btnCancelar);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(campos);
    layout->addLayout(botones);
    resize(380, 0);
    Copias->setFocus();
    ui::EnterAsTab::install(this);
}

int TfrmImprimir::numeroCopias(const QString &texto)
{
    bool entero = false;
    const int copias = texto.trimmed().toInt(&entero);
    return entero && copias >= 1 ? copias : 1;
}

void TfrmImprimir::btnConfigurarClick()
{
    QPrintDialog configurar(&m_impresora, this);
    configurar.setWindowTitle(QStringLiteral("Configurar impresora"));
    configurar.exec();
}

// Whatever happens, the dialog closes afterwards: a failure has been shown
// in the error box and the caller goes on as after printing.
void TfrmImprimir::btnImprimirClick()
{
    ejecutar();
    accept();
}

void TfrmImprimir::ejecutar()
{
    fw::intentar([this] {
        try {
            const rpt::Proyecto proyecto =
                rpt::Proyecto::cargar(mdlConexiones().directorioPrograma() + QStringLiteral("Listados.rav"));
            const rpt::Documento documento = rpt::componer(proyecto, txtNombreInforme->text(), m_conexiones);
            if (chkPrevia->isChecked())
                rpt::mostrarVistaPrevia(documento, this);
            else
                rpt::imprimir(documento, m_impresora, numeroCopias(Copias->text()));
        } catch (const rpt::ErrorInforme &e) {
            ui::showError(e.texto);
        }
    });
}
