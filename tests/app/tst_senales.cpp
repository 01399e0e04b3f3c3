// A termination request from the system (SIGTERM at logout) ends the program
// through its event loop, with the database still closing cleanly afterwards.
#include "TestEnvironment.h"
#include "app/SenalesSistema.h"
#include "platform/firebird/FbConnection.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

#include <csignal>

class TstSenales : public QObject
{
    Q_OBJECT

private slots:
    void terminaElBucleYCierraLaBase_data()
    {
        QTest::addColumn<int>("senal");
        QTest::newRow("SIGTERM") << SIGTERM;
        QTest::newRow("SIGINT") << SIGINT;
        QTest::newRow("SIGHUP") << SIGHUP;
    }

    void terminaElBucleYCierraLaBase()
    {
        QFETCH(int, senal);
        testsupport::initFirebird();
        QTemporaryDir dir;
        fb::Connection db;
        db.create(dir.filePath(QStringLiteral("senales.gdb")));
        db.execute(QStringLiteral("CREATE TABLE T (A INTEGER)"));
        db.execute(QStringLiteral("INSERT INTO T VALUES (1)"));

        // The signal goes to the process, as the system sends it.
        QTimer::singleShot(50, [senal] { ::kill(::getpid(), senal); });
        QTimer limite;
        limite.setSingleShot(true);
        bool sinRespuesta = false;
        connect(&limite, &QTimer::timeout, [&] {
            sinRespuesta = true;
            QCoreApplication::exit(1);
        });
        limite.start(10000);
        const int codigo = QCoreApplication::exec();
        limite.stop();
        QVERIFY(!sinRespuesta);
        QCOMPARE(codigo, 0);

        QElapsedTimer cierre;
        cierre.start();
        db.close();
        QVERIFY(cierre.elapsed() < 5000);
    }
};

int main(int argc, char *argv[])
{
    app::bloquearSenalesDeTerminar(); // before any thread, as the program does
    QCoreApplication aplicacion(argc, argv);
    app::terminarConSenalesDelSistema();
    TstSenales test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_senales.moc"
