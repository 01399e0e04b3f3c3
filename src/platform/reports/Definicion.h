#pragma once

#include <QColor>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <optional>
#include <vector>

namespace rpt {

// The declarative description of one report, as a project file holds it
// (format documented in docs/informes.md). Every length is in millimetres;
// element positions are relative to the top-left corner of their band, and
// bands span the width between the left and right margins.

enum class Alineacion { Izquierda, Centro, Derecha };

struct DefFuente
{
    double tamano = 9; // points
    bool negrita = false;
    bool cursiva = false;
};

enum class TipoElemento {
    Texto,   // fixed text; may hold {pagina}, {paginas}, {fecha}, {hora}
    Campo,   // value of a column of a data connection, formatted with a mask
    Letras,  // amount of a column written in words (Spanish, masculine)
    Total,   // sum of a column or count of rows over the report or a group
    Imagen,  // picture read from a BLOB column
    Linea,   // straight line from (x, y) to (x + ancho, y + alto)
    Caja     // rectangle, optionally filled
};

enum class FuncionTotal { Suma, Cuenta };

// Where a total accumulates: over the whole report or over the rows of one
// group (restarted when that group changes).
enum class AmbitoTotal { Informe, Grupo };

struct DefElemento
{
    TipoElemento tipo = TipoElemento::Texto;
    QRectF rect;          // x, y, ancho, alto within the band
    QString texto;        // Texto
    QString datos;        // data connection; empty = the report's own
    QString columna;      // Campo, Letras, Total (Suma), Imagen
    QString mascara;      // '#,##0.00', '000000000', 'dd/mm/yyyy'...
    Alineacion alineacion = Alineacion::Izquierda;
    DefFuente fuente;
    FuncionTotal funcion = FuncionTotal::Suma;
    AmbitoTotal ambito = AmbitoTotal::Informe; // set from the band when not given
    int grupo = -1;       // Total over a group: index in DefInforme::grupos
    double grosor = 0.2;  // Linea, Caja: pen width
    std::optional<QColor> relleno; // Caja
};

// How an element is shown where the definition is displayed (for a designer
// or a listing of the project): "MoneyText(TOTAL)" for an amount in words,
// "Campo(Listado_Clientes.NOMBRE)", "Texto(LISTADO DE CLIENTES)"...
QString describir(const DefElemento &elemento);

struct DefBanda
{
    double alto = 0;
    int columnas = 1;     // detail band only: rows side by side (labels)
    std::vector<DefElemento> elementos;
    bool existe() const { return alto > 0 || !elementos.empty(); }
};

// A grouping level: a header before the first row of each run of equal
// values of `campo` (a column of the report's data connection) and a footer
// after the last one. Groups nest in the order given, outermost first.
struct DefGrupo
{
    QString campo;
    DefBanda cabecera;
    DefBanda pie;
};

// Lines of a master row (master/detail): after each detail row, the rows of
// another connection whose `campoDetalle` equals the master's `campoMaestro`
// (or every row when both are empty) are printed with `banda`.
struct DefSubdetalle
{
    QString datos;
    QString campoMaestro;
    QString campoDetalle;
    DefBanda banda;
};

enum class Orientacion { Vertical, Horizontal };

struct DefPagina
{
    QSizeF papel{210, 297}; // A4, portrait dimensions
    Orientacion orientacion = Orientacion::Vertical;
    double margenIzquierdo = 15, margenDerecho = 15, margenSuperior = 15, margenInferior = 15;

    QSizeF tamano() const // paper as laid out, orientation applied
    {
        return orientacion == Orientacion::Vertical ? papel : papel.transposed();
    }
};

struct DefInforme
{
    QString nombre;
    QString datos; // data connection whose rows the detail band prints
    DefPagina pagina;
    DefBanda cabeceraInforme, cabeceraPagina, detalle, piePagina, resumen;
    std::vector<DefGrupo> grupos;
    std::optional<DefSubdetalle> subdetalle;
};

} // namespace rpt
