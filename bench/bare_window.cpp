// The floor the benches hold Gavrin against: the least a window of six web
// views in tabs can do. It loads one address or local file into each view,
// taken as Gavrin takes them, and nothing else; with --reload-every=MS it
// reloads the views that show a web page at that period, and with --show=N
// it has the Nth view in front (the first by default). Web engine switches
// among the arguments (--process-per-site) reach the engine as in any Qt program.
#include <QApplication>
#include <QTabWidget>
#include <QTimer>
#include <QUrl>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The same kind of profile as Gavrin's, which keeps the user signed in.
    QWebEngineProfile profile(QStringLiteral("Bare"));

    QTabWidget window;
    window.setWindowTitle(QStringLiteral("Bare"));
    QList<QWebEngineView *> views;
    QTimer reloads;
    const QString reloadEvery = QStringLiteral("--reload-every=");
    const QString show = QStringLiteral("--show=");
    int shown = 0;
    for (const QString &argument : app.arguments().mid(1)) {
        if (argument.startsWith(reloadEvery))
            reloads.start(argument.mid(reloadEvery.size()).toInt());
        if (argument.startsWith(show))
            shown = argument.mid(show.size()).toInt() - 1;
        if (argument.startsWith(QLatin1String("--")))
            continue;
        auto *view = new QWebEngineView(&window);
        view->setPage(new QWebEnginePage(&profile, view));
        view->setUrl(QUrl::fromUserInput(argument));
        window.addTab(view, QString::number(window.count() + 1));
        views << view;
    }
    window.setCurrentIndex(shown);
    QObject::connect(&reloads, &QTimer::timeout, &window, [&views] {
        for (QWebEngineView *view : views) {
            if (!view->url().isLocalFile())
                view->reload();
        }
    });
    // About the size of Gavrin's window at 96 dots an inch.
    window.resize(624, 385);
    window.show();
    return app.exec();
}
