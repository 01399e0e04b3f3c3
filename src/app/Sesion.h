#pragma once

#include <QObject>
#include <QString>

class TmdlConexiones;
namespace ds {
class RecordSet;
}

// The current user and company of this run: the user's USUARIO row and the
// company's EMPRESA row, each held open in a query on the general database.
// The main window shows their names in the status bar; other windows read
// the company's code and flags from sqlEmpresa.
class Sesion : public QObject
{
    Q_OBJECT
public:
    explicit Sesion(TmdlConexiones &conexiones, QObject *parent = nullptr);
    ~Sesion() override;

    // The session of the running program; nullptr before one exists.
    static Sesion *actual();

    TmdlConexiones &conexiones() const { return m_conexiones; }

    // Makes this user current: opens sqlUsuario on it and emits
    // usuarioCambiado with its name ("" when there is no such user or it
    // cannot be read; the database's error is shown).
    void EstablecerUsuario(int codigo);
    // Makes this company current: opens sqlEmpresa on it, emits
    // empresaCambiada with its name, then opens its database. Errors are
    // shown in the error box and leave the company connection closed.
    // Returns whether the company's database is open.
    bool EstablecerEmpresa(const QString &codigo);

    ds::RecordSet &sqlUsuario() { return *m_sqlUsuario; }
    ds::RecordSet &sqlEmpresa() { return *m_sqlEmpresa; }

    // Current values, blanks of the CHAR columns removed; "" when none.
    QString nombreUsuario() const;
    QString codigoEmpresa() const;
    QString nombreEmpresa() const;

signals:
    void usuarioCambiado(const QString &nombre);
    void empresaCambiada(const QString &nombre);

private:
    TmdlConexiones &m_conexiones;
    ds::RecordSet *m_sqlUsuario;
    ds::RecordSet *m_sqlEmpresa;
};
