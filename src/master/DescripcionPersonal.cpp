#include "DescripcionPersonal.h"

#include <QStringList>

namespace {

// One guard per query, all with the file's message.
std::vector<fw::Guard> guardas(const QStringList &consultas, const QString &mensaje)
{
    std::vector<fw::Guard> lista;
    for (const QString &consulta : consultas)
        lista.push_back({consulta, mensaje});
    return lista;
}

} // namespace

QString DescripcionPersonal::sqlGestion() const
{
    return QStringLiteral("SELECT * FROM %1 ORDER BY CODIGO").arg(tabla);
}

const DescripcionPersonal &personalVendedores()
{
    static const DescripcionPersonal descripcion{
        .tabla = QStringLiteral("VENDEDOR"),
        .datos = QStringLiteral("Vendedores"),
        .mensajeNif = QStringLiteral("NIF Incorrecto."),
        .guardas = guardas({QStringLiteral("SELECT NUMERO FROM PRESUPUESTO_VENTA WHERE VENDEDOR = ?"),
                            QStringLiteral("SELECT SERIE,NUMERO FROM PEDIDO_VENTA WHERE VENDEDOR = ?"),
                            QStringLiteral("SELECT SERIE,NUMERO FROM ALBARAN_VENTA WHERE VENDEDOR = ?"),
                            QStringLiteral("SELECT SERIE,NUMERO FROM FACTURA_VENTA WHERE VENDEDOR = ?")},
                           QStringLiteral("No se puede eliminar. Tiene Documentos.")),
        .captionGestion = QStringLiteral("GESTION DE VENDEDORES"),
        .tituloGestion = QStringLiteral("VENDEDORES"),
        .preguntaEliminar = QStringLiteral("¿Desea eliminar el Vendedor?"),
        .captionRegistro = QStringLiteral("DATOS DE VENDEDOR"),
        .tituloRegistro = QStringLiteral("VENDEDOR"),
        .primeraPestana = QStringLiteral("DIRECCION"),
    };
    return descripcion;
}

const DescripcionPersonal &personalResponsablesCompras()
{
    static const DescripcionPersonal descripcion{
        .tabla = QStringLiteral("RESPONSABLE_COMPRAS"),
        .datos = QStringLiteral("ResponsablesCompras"),
        .mensajeNif = QStringLiteral("NIF Incorrecto"),
        .guardas = guardas({QStringLiteral("SELECT SERIE,NUMERO FROM PEDIDO_COMPRA WHERE RESPONSABLE = ?"),
                            QStringLiteral("SELECT SERIE,NUMERO FROM ALBARAN_COMPRA WHERE RESPONSABLE = ?"),
                            QStringLiteral("SELECT SERIE,NUMERO FROM FACTURA_COMPRA WHERE RESPONSABLE = ?")},
                           QStringLiteral("No se puede eliminar. Tiene documentos")),
        .captionGestion = QStringLiteral("GESTION DE RESPONSABLES DE COMPRAS"),
        .tituloGestion = QStringLiteral("RESPONSABLES DE COMPRAS"),
        .preguntaEliminar = QStringLiteral("¿Desea eliminar el Responsable de Compras?"),
        .captionRegistro = QStringLiteral("DATOS DE RESPONSABLE DE COMPRAS"),
        .tituloRegistro = QStringLiteral("RESPONSABLE DE COMPRAS"),
        .primeraPestana = QStringLiteral("DOMICILIO SOCIAL"),
    };
    return descripcion;
}

const DescripcionPersonal &personalResponsablesAlmacen()
{
    static const DescripcionPersonal descripcion{
        .tabla = QStringLiteral("RESPONSABLE_ALMACEN"),
        .datos = QStringLiteral("REsponsablesAlmacen"),
        .mensajeNif = QStringLiteral("NIF Incorrecto."),
        .guardas = guardas({QStringLiteral("SELECT CODIGO FROM MOVIMIENTO_ALMACEN WHERE RESPONSABLE = ?")},
                           QStringLiteral("No se puede eliminar. Tiene documentos.")),
        .captionGestion = QStringLiteral("GESTION DE RESPONSABLES DE ALMACEN"),
        .tituloGestion = QStringLiteral("RESPONSABLES DE ALMACEN"),
        .preguntaEliminar = QStringLiteral("¿Desea eliminar el Responsable de Almacen?"),
        .hintRefrescar = QStringLiteral("Referscar los datos"),
        .captionRegistro = QStringLiteral("DATOS DE RESPONSABLE DE ALMACEN"),
        .tituloRegistro = QStringLiteral("RESPONSABLE DE ALMACEN"),
        .primeraPestana = QStringLiteral("DOMICILIO SOCIAL"),
    };
    return descripcion;
}
