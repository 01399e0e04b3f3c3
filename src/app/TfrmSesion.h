#pragma once

#include <QString>
#include <functional>

class QWidget;
class Sesion;

// How the program starts working and changes user or company: the login
// dialog and the company chooser, run for the main window.

enum class ResultadoInicio {
    Iniciada,   // a user logged in and the chosen company's database is open
    Cancelada,  // Cancel in the login, or leaving instead of choosing a company: the program ends without its closing question
    SinUsuario, // the login was closed another way: the main window stays with no user and no company
    SinEmpresa, // a user and a company are set, but the company's database could not be opened (error shown)
};

// The company chooser: the companies browse window in select mode over
// every company. With exactly one company it selects it at once without
// showing itself; otherwise it is shown modally. Returns the code chosen, ""
// when closed without a choice.
using ElegirEmpresa = std::function<QString(QWidget *padre)>;

// Replaces the chooser (tests); an empty function puts the browse window back.
void setElegirEmpresa(ElegirEmpresa elegir);

// First showing of the main window: login, then the company chooser until a
// company is chosen, then that company is made current. Closing the chooser
// without a choice offers to leave the program instead.
ResultadoInicio iniciarSesion(Sesion &sesion, QWidget *ventanaPrincipal);

// "Cambio de Usuario": the login as a change of user; Cancel keeps the
// current one.
void cambioUsuario(Sesion &sesion, QWidget *ventanaPrincipal);

// "Cambiar Empresa de Trabajo": the chooser once. When a company is chosen,
// the child windows are closed first (they hold rows of the company being
// left, which must not be written into the new one); if one refuses, the
// company stays. Returns whether the company was changed.
bool cambiarEmpresa(Sesion &sesion, QWidget *ventanaPrincipal, const std::function<bool()> &cerrarVentanasHijas);
