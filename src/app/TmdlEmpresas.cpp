#include "TmdlEmpresas.h"

#include "app/TmdlConexiones.h"
#include "database/DatabaseCreator.h"
#include "framework/Reglas.h"
#include "framework/ReglasCampos.h"
#include "platform/dataset/DatasetErrors.h"
#include "platform/firebird/FbConnection.h"
#include "platform/firebird/FbDatabaseName.h"
#include "platform/firebird/FbError.h"
#include "platform/ui/Dialogs.h"

#include <QFile>
#include <QFileInfo>
#include <stdexcept>

namespace {

// Status codes of the engine this module reacts to.
constexpr long IoError = 335544344;   // isc_io_error: the file cannot be opened (missing)
constexpr long ObjectInUse = 335544453; // isc_obj_in_use: another connection uses the database

// A company's database could not be made or removed; the text says why and
// what the user can do. The row operation is refused.
struct Rechazo : std::runtime_error
{
    explicit Rechazo(const QString &texto) : std::runtime_error(texto.toStdString()), texto(texto) {}
    QString texto;
};

bool esRemota(const QString &nombre)
{
    return fb::detail::DatabaseName::parse(nombre).isRemote();
}

QString carpetaDe(const QString &nombreBase)
{
    return nombreBase.left(nombreBase.lastIndexOf(u'/') + 1);
}

bool enUso(const fb::Error &e)
{
    return e.hasCode(ObjectInUse) || e.hasCode(fb::codes::LockTimeout);
}

// Removes the database with this name through the engine, which refuses
// while any connection (this copy of the program or another) works on it: a
// file in use must never just disappear under its users. A name with no
// database behind it is nothing to remove. Returns false when it was in use.
bool eliminarBase(const QString &nombre)
{
    if (!esRemota(nombre) && !QFileInfo::exists(nombre))
        return true;
    fb::Connection base;
    try {
        base.open(nombre);
    } catch (const fb::Error &e) {
        if (esRemota(nombre) && e.hasCode(IoError))
            return true;
        throw;
    }
    try {
        base.drop();
    } catch (const fb::Error &e) {
        if (enUso(e))
            return false;
        throw;
    }
    return true;
}

// The template copied as the new database; any failure is a refusal of the
// company's post.
void copiarPlantilla(const QString &plantilla, const QString &destino)
{
    const QString noCreada = QStringLiteral("\nLa empresa no se ha creado.");
    try {
        db::copyTemplate(plantilla, destino);
    } catch (const fb::Error &e) {
        throw Rechazo(e.text() + noCreada);
    } catch (const std::runtime_error &e) {
        throw Rechazo(QString::fromStdString(e.what()) + noCreada);
    }
}

// The company's database where ConectarEmpresa will open it. A database left
// with that name (a company whose row never reached the general database)
// is replaced, unless it is in use. On a server the template file of this
// machine cannot be copied there, so the same empty tables are created
// through the server from the table descriptions the template is made from.
void crearBase(const QString &codigo, const QString &destino, const QString &plantilla)
{
    if (!eliminarBase(destino))
        throw Rechazo(QStringLiteral("Ya existe la base de datos %1 y está abierta en este u otro puesto; "
                                     "no se puede crear la empresa %2.").arg(destino, codigo));
    if (esRemota(destino))
        db::createTemplateDatabase(destino);
    else
        copiarPlantilla(plantilla, destino);
}

// Reports a refusal of the company rules and turns it into the silent abort.
template<typename Accion>
void comoRegla(Accion accion)
{
    try {
        accion();
    } catch (const Rechazo &r) {
        ui::showMessage(r.texto);
        throw ds::SilentAbort();
    } catch (const fb::Error &e) {
        ui::showError(e.text());
        throw ds::SilentAbort();
    } catch (const std::runtime_error &e) {
        ui::showError(QString::fromStdString(e.what()));
        throw ds::SilentAbort();
    }
}

// The code names the database file. CHAR(2) pads it with blanks, which the
// file name leaves out; any other blank or a path separator would make the
// file another path, or the same file as another code's.
bool codigoValidoComoFichero(QString codigo)
{
    while (codigo.endsWith(u' '))
        codigo.chop(1);
    for (const QChar c : codigo)
        if (c.isSpace() || c == u'/' || c == u'\\' || c == u':')
            return false;
    return true;
}

} // namespace

TmdlEmpresas::TmdlEmpresas(QObject *parent)
    : TmdlEmpresas(mdlConexiones().ConexionGeneral, mdlConexiones().RutaDatos(),
                   mdlConexiones().directorioPrograma(), parent)
{
}

TmdlEmpresas::TmdlEmpresas(fb::Connection &general, QObject *parent)
    : TmdlEmpresas(general, carpetaDe(general.database()), carpetaDe(general.database()), parent)
{
}

TmdlEmpresas::TmdlEmpresas(fb::Connection &general, QString rutaDatos, QString directorioPrograma,
                           QObject *parent)
    : fw::DataModule(general, parent),
      Empresas(addRecordSet(QStringLiteral("Empresas"), QStringLiteral("SELECT * FROM EMPRESA"))),
      m_rutaDatos(std::move(rutaDatos)), m_directorioPrograma(std::move(directorioPrograma))
{
    conectarReglas();
}

void TmdlEmpresas::conectarReglas()
{
    Empresas.onNewRecord = [this](ds::RecordSet &set) { EmpresasNewRecord(set); };
    Empresas.afterInsert = [this](ds::RecordSet &set) { EmpresasAfterInsert(set); };
    Empresas.afterEdit = [this](ds::RecordSet &set) { EmpresasAfterEdit(set); };
    Empresas.beforePost = [this](ds::RecordSet &set) { EmpresasBeforePost(set); };
    Empresas.beforeDelete = [this](ds::RecordSet &set) { EmpresasBeforeDelete(set); };
    Empresas.field(QStringLiteral("CODIGO")).onValidate = [this](ds::Field &f) { EmpresasCODIGOValidate(f); };
    Empresas.field(QStringLiteral("CIF")).onValidate = [this](ds::Field &f) { EmpresasCIFValidate(f); };
    Empresas.field(QStringLiteral("COD_POSTAL")).onValidate = [this](ds::Field &f) {
        EmpresasCOD_POSTALValidate(f);
    };
}

QString TmdlEmpresas::nombreBaseEmpresa(const QString &codigo) const
{
    return m_rutaDatos + db::companyDatabaseFile(codigo.trimmed());
}

void TmdlEmpresas::EmpresasNewRecord(ds::RecordSet &set)
{
    set.setValue(QStringLiteral("REC_EQUIVALENCIA"), QStringLiteral("N"));
}

void TmdlEmpresas::EmpresasAfterInsert(ds::RecordSet &set)
{
    set.field(QStringLiteral("CODIGO")).readOnly = false;
}

void TmdlEmpresas::EmpresasAfterEdit(ds::RecordSet &set)
{
    // The code names the company's database: once stored it cannot change.
    set.field(QStringLiteral("CODIGO")).readOnly = true;
}

void TmdlEmpresas::EmpresasCODIGOValidate(ds::Field &field)
{
    fw::checkUnique(field, QStringLiteral("EMPRESA"));
    if (!codigoValidoComoFichero(field.asString())) {
        ui::showMessage(QStringLiteral("El CODIGO de empresa no puede llevar espacios ni los signos / \\ :"));
        throw ds::SilentAbort();
    }
}

void TmdlEmpresas::EmpresasCIFValidate(ds::Field &field)
{
    fw::reglaCif(field, QStringLiteral("CIF Incorrecto"));
}

void TmdlEmpresas::EmpresasCOD_POSTALValidate(ds::Field &field)
{
    fw::reglaProvincia(field);
}

void TmdlEmpresas::EmpresasBeforePost(ds::RecordSet &set)
{
    if (set.state() != ds::State::Insert)
        return;
    const QString codigo = set.value(QStringLiteral("CODIGO")).toString().trimmed();
    // No code: the post is refused right after this handler, for the empty
    // required field; no database may be made for it.
    if (codigo.isEmpty())
        return;
    // Another copy of the program may have stored the code since it was
    // typed; its company's database must not be replaced.
    fw::checkUnique(set.field(QStringLiteral("CODIGO")), QStringLiteral("EMPRESA"));
    comoRegla([&] { crearBase(codigo, nombreBaseEmpresa(codigo), m_directorioPrograma + db::templateDatabaseFile()); });
}

void TmdlEmpresas::EmpresasBeforeDelete(ds::RecordSet &set)
{
    const QString codigo = set.value(QStringLiteral("CODIGO")).toString().trimmed();
    comoRegla([&] {
        if (!eliminarBase(nombreBaseEmpresa(codigo)))
            throw Rechazo(QStringLiteral("La empresa %1 no se puede eliminar: su base de datos está abierta en "
                                         "este u otro puesto del programa. Elija otra empresa de trabajo en "
                                         "todos los puestos e inténtelo de nuevo.").arg(codigo));
    });
}
