#include "Formularios.h"

#include "framework/widgets/BotonEnlace.h"
#include "framework/widgets/DBEdit.h"
#include "framework/widgets/DBMemo.h"

#include <QHBoxLayout>
#include <QTabWidget>
#include <QVBoxLayout>

namespace master {

QHBoxLayout *enFila(std::initializer_list<QWidget *> controles)
{
    auto *fila = new QHBoxLayout;
    for (QWidget *control : controles)
        fila->addWidget(control);
    return fila;
}

fw::DBMemo *agregarPestanaComentario(QTabWidget *paginas, ds::RecordSet &datos)
{
    auto *pagina = new QWidget;
    auto *memo = new fw::DBMemo(datos, QStringLiteral("OBSERVACIONES"), pagina);
    memo->setObjectName(QStringLiteral("memObservaciones"));
    auto *layout = new QVBoxLayout(pagina);
    layout->addWidget(memo);
    paginas->addTab(pagina, QStringLiteral("COMENTARIO"));
    return memo;
}

QHBoxLayout *filaEmail(fw::DBEdit *email)
{
    auto *boton = fw::BotonEnlace::email(email, email->parentWidget());
    boton->setObjectName(QStringLiteral("btnEmail"));
    return enFila({email, boton});
}

} // namespace master
