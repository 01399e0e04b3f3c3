#include "ProcesoNuevo.h"

#include <QByteArray>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// Between fork and exec only async-signal-safe calls are allowed (the
// engine and Qt run threads of their own), so everything the child needs is
// prepared here beforehand.
struct Preparado
{
    std::vector<QByteArray> textos;
    std::vector<char *> argv;
    long maximoDescriptores = sysconf(_SC_OPEN_MAX);

    Preparado(const QString &programa, const QStringList &argumentos)
    {
        textos.push_back(programa.toLocal8Bit());
        for (const QString &a : argumentos)
            textos.push_back(a.toLocal8Bit());
        for (QByteArray &t : textos)
            argv.push_back(t.data());
        argv.push_back(nullptr);
    }
};

// Every descriptor from 3 up is closed by exec: the report pipe stays usable
// until then and is closed by a successful exec.
void cerrarAlEjecutar(long maximo)
{
    if (close_range(3, ~0U, CLOSE_RANGE_CLOEXEC) == 0)
        return;
    for (long fd = 3; fd < maximo; ++fd)
        fcntl(int(fd), F_SETFD, FD_CLOEXEC);
}

void escribirTodo(int fd, const void *datos, size_t tam)
{
    const char *p = static_cast<const char *>(datos);
    while (tam > 0) {
        const ssize_t n = write(fd, p, tam);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return;
        p += n;
        tam -= size_t(n);
    }
}

[[noreturn]] void ejecutarNieto(const Preparado &p, int informe)
{
    sigset_t ninguna;
    sigemptyset(&ninguna);
    pthread_sigmask(SIG_SETMASK, &ninguna, nullptr);
    signal(SIGPIPE, SIG_DFL);
    signal(SIGCHLD, SIG_DFL);
    cerrarAlEjecutar(p.maximoDescriptores);
    execv(p.argv[0], p.argv.data());
    const int fallo = errno;
    escribirTodo(informe, &fallo, sizeof fallo);
    _exit(127);
}

// The intermediate process detaches the new run into a session of its own
// and ends at once, so the new run is adopted by the system, not by us.
[[noreturn]] void ejecutarIntermedio(const Preparado &p, int informe)
{
    setsid();
    const pid_t nieto = fork();
    if (nieto == 0)
        ejecutarNieto(p, informe);
    const qint64 id = nieto;
    const int fallo = nieto < 0 ? errno : 0;
    escribirTodo(informe, &id, sizeof id);
    if (nieto < 0)
        escribirTodo(informe, &fallo, sizeof fallo);
    _exit(0);
}

// Reads until every writer has closed the pipe: the new run's id, then the
// error number when starting it failed.
QByteArray leerInforme(int fd)
{
    QByteArray datos;
    char buffer[64];
    for (;;) {
        const ssize_t n = read(fd, buffer, sizeof buffer);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return datos;
        datos.append(buffer, n);
    }
}

qint64 fallo(QString *error, int numero)
{
    if (error)
        *error = QString::fromLocal8Bit(std::strerror(numero));
    return -1;
}

} // namespace

qint64 iniciarProcesoNuevo(const QString &programa, const QStringList &argumentos, QString *error)
{
    const Preparado preparado(programa, argumentos);
    int informe[2];
    if (pipe2(informe, O_CLOEXEC) != 0)
        return fallo(error, errno);
    const pid_t intermedio = fork();
    if (intermedio == 0)
        ejecutarIntermedio(preparado, informe[1]);
    const int falloFork = errno;
    close(informe[1]);
    if (intermedio < 0) {
        close(informe[0]);
        return fallo(error, falloFork);
    }
    const QByteArray datos = leerInforme(informe[0]);
    close(informe[0]);
    while (waitpid(intermedio, nullptr, 0) < 0 && errno == EINTR) {
    }
    qint64 id = -1;
    if (datos.size() < qsizetype(sizeof id))
        return fallo(error, ECHILD);
    std::memcpy(&id, datos.constData(), sizeof id);
    if (datos.size() >= qsizetype(sizeof id + sizeof(int))) {
        int numero = 0;
        std::memcpy(&numero, datos.constData() + sizeof id, sizeof numero);
        return fallo(error, numero);
    }
    return id;
}
