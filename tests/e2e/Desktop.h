#pragma once

#include <QImage>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>

#include <functional>

// The game as a person meets it: a copy of the real binary in a folder of its
// own (where it keeps "DbData"), started in the test's X server, driven with
// xdotool and wmctrl, and looked at through screenshots.
class Desktop
{
public:
    Desktop();
    ~Desktop();

    QString folder() const { return m_dir.path(); }
    QString dbData() const;
    QByteArray readDbData() const;
    void writeDbData(const QByteArray &bytes) const;

    // Starts the game and waits until its window is shown.
    bool start();
    bool isRunning() const { return m_game.state() != QProcess::NotRunning; }
    // Closes the window through the window manager, as its close box does.
    void closeWindow();
    bool waitForExit(int ms = 5000);
    void kill();
    // Ends the game as a session or service manager does, with SIGTERM.
    void terminate() { m_game.terminate(); }
    qint64 processId() const { return m_game.processId(); }
    int exitCode() const { return m_game.exitStatus() == QProcess::NormalExit ? m_game.exitCode() : -1; }

    // The window's client area (below the title bar, menu bar included).
    QRect clientGeometry() const;
    // The client area of another window of the game's, by its id.
    static QRect geometryOf(const QString &window);
    // The id of a shown window of the game whose title contains name, or
    // an empty string.
    QString windowNamed(const QString &name) const;
    void moveResize(const QRect &outer);
    // Maximizes or restores the window through the window manager.
    void setMaximized(bool maximized);
    // Waits until the condition holds, looking every 50 ms; false after ms.
    static bool waitFor(const std::function<bool()> &condition, int ms = 5000);
    // Waits until the window stands still, its place and its pixels the same
    // in two looks gapMs apart.
    bool waitUntilStill(int ms = 5000, int gapMs = 100);

    // The whole X screen as a person sees it.
    static QImage screenshot();
    void click(const QPoint &screenPos, int button = 1);
    void key(const QString &keys);
    void pause(int ms);

    static QString run(const QString &program, const QStringList &args);
    // The spans (first and last step) of pixels of one colour along a line
    // of a screenshot: how the tiles are found by looking.
    // How many pixels of an area are dark: text, such as the results in the
    // menu bar, or a cue's dots on a light tile.
    static int darkPixels(const QImage &image, const QRect &area);
    static QList<QPair<int, int>> runsOf(const QImage &image, QPoint from, QPoint step, int count,
                                         QRgb colour);
    // The xdotool arguments that move the board's keyboard cue from one
    // tile to another (numbered row by row, cols a row) and press Space.
    static QStringList cueAndPress(int from, int to, int cols);
    // The interiors of the concealed tiles of a fresh board in the client
    // area, row by row, found by looking: the runs of the concealed colour.
    static QList<QRect> tileInteriors(const QImage &image, const QRect &client, QRgb concealed);

private:
    QTemporaryDir m_dir;
    QProcess m_game;
    QString m_window;
};
