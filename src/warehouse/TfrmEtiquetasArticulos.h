#pragma once

#include "framework/TfrmListado.h"

// Labels of articles (a sheet of sticky labels), chosen as the article
// listing chooses its rows but typed by hand: the window has no search
// buttons. The labels report reads the rows through the article listing's
// data connection.
class TfrmEtiquetasArticulos final : public TfrmListado
{
    Q_OBJECT
public:
    explicit TfrmEtiquetasArticulos(QWidget *owner);
};
