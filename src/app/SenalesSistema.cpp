#include "SenalesSistema.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/signalfd.h>
#include <unistd.h>

namespace app {
namespace {

sigset_t senalesDeTerminar()
{
    sigset_t senales;
    sigemptyset(&senales);
    for (int senal : {SIGTERM, SIGINT, SIGHUP})
        sigaddset(&senales, senal);
    return senales;
}

} // namespace

void bloquearSenalesDeTerminar()
{
    const sigset_t senales = senalesDeTerminar();
    pthread_sigmask(SIG_BLOCK, &senales, nullptr);
}

void terminarConSenalesDelSistema()
{
    const sigset_t senales = senalesDeTerminar();
    const int descriptor = signalfd(-1, &senales, SFD_CLOEXEC | SFD_NONBLOCK);
    if (descriptor < 0)
        return;
    auto *aviso = new QSocketNotifier(descriptor, QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(aviso, &QSocketNotifier::activated, aviso, [descriptor] {
        signalfd_siginfo info;
        [[maybe_unused]] const auto leido = ::read(descriptor, &info, sizeof info);
        // exit, not quit: quit would first ask every window to close, and the
        // main window answers that with its closing question.
        QCoreApplication::exit(0);
    });
}

} // namespace app
