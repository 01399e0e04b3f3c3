#pragma once

#include <QToolButton>

class QLineEdit;

namespace fw {

// Small button beside an e-mail or web-page box: opens the box's text through
// the system (the mail program starts a message to the address, the browser
// opens the page). Nothing happens while the box is empty.
class BotonEnlace final : public QToolButton
{
    Q_OBJECT
public:
    // The e-mail button, captioned with the at sign: opens "mailto:" + address.
    static BotonEnlace *email(QLineEdit *caja, QWidget *parent = nullptr);
    // The web button: opens the page address itself.
    static BotonEnlace *web(QLineEdit *caja, QWidget *parent = nullptr);

private:
    BotonEnlace(QLineEdit *caja, QString prefijo, QWidget *parent);
    void abrir();

    QLineEdit *m_caja;
    QString m_prefijo;
};

} // namespace fw
