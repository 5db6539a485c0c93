#include "app/shell/termination_requests.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace numeralia::app {

namespace {

// Closes the modal dialogs first: closing the window under them would pull the ground from
// under the code that waits for their answer.
void closeWhenFree(QPointer<QWidget> window) {
    if (!window) return;
    if (QWidget* modal = QApplication::activeModalWidget()) {
        modal->close();
        QTimer::singleShot(50, window, [window] { closeWhenFree(window); });
        return;
    }
    window->close();
}

#ifdef Q_OS_UNIX
constexpr int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
int requestPipe[2] = {-1, -1};  // the handler writes a byte into [0], the window reads [1]

void onTerminationSignal(int) {
    const int saved = errno;
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(requestPipe[0], &byte, 1);
    struct sigaction standard {};
    standard.sa_handler = SIG_DFL;
    for (int s : kSignals) ::sigaction(s, &standard, nullptr);  // the next request ends at once
    errno = saved;
}
#endif

}  // namespace

void catchTerminationRequests() {
#ifdef Q_OS_UNIX
    if (requestPipe[0] < 0 && ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, requestPipe) != 0) {
        requestPipe[0] = requestPipe[1] = -1;
        return;
    }
    struct sigaction handler {};
    handler.sa_handler = onTerminationSignal;
    sigemptyset(&handler.sa_mask);
    handler.sa_flags = SA_RESTART;
    for (int s : kSignals) ::sigaction(s, &handler, nullptr);
#endif
}

void closeOnTerminationRequest(QWidget* window) {
#ifdef Q_OS_UNIX
    if (requestPipe[1] < 0 || !window) return;
    auto* notifier = new QSocketNotifier(requestPipe[1], QSocketNotifier::Read, window);
    QObject::connect(notifier, &QSocketNotifier::activated, window, [window = QPointer<QWidget>(window)] {
        char byte = 0;
        [[maybe_unused]] const ssize_t read = ::read(requestPipe[1], &byte, 1);
        closeWhenFree(window);
    });
#else
    (void)window;
#endif
}

}  // namespace numeralia::app
