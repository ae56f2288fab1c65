#pragma once
// A small HTTP/1.1 server on 127.0.0.1 for the online tests: each path gets a
// scripted answer, including the ways a real server misbehaves (never
// answering, trickling, redirecting in a loop, sending far too much).

#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QStringList>
#include <QTcpServer>
#include <functional>

namespace lumtar::test {

struct Answer {
    enum class Kind {
        Normal,        // status, headers and body, then close
        Silent,        // accept and read, never answer
        Trickle,       // headers, then one byte every 20 ms, for ever
        RedirectLoop,  // 302 back to the same path
        Undeclared,    // a body with no Content-Length, ended by closing
    };
    Kind kind = Kind::Normal;
    int status = 200;
    QByteArray body = {};
    QByteArray contentType = "text/plain";
};

class HttpTestServer : public QObject {
    Q_OBJECT
public:
    HttpTestServer();

    QString url() const;
    // Answers path (e.g. "/chk.rar") this way from now on; unknown paths get 404.
    void answer(const QByteArray& path, Answer how);
    void answer(const QByteArray& path, const QByteArray& body) {
        answer(path, Answer{.body = body});
    }
    // Stops listening: the port then refuses connections, as a server that is down.
    void shutDown() { server_.close(); }

    int hits(const QByteArray& path) const { return requests_.count(path); }
    QList<QByteArray> requests() const { return requests_; }
    // Runs as each request arrives, before it is answered.
    std::function<void(const QByteArray& path)> onRequest;

private:
    void serve(class QTcpSocket* socket);
    void respond(QTcpSocket* socket, const QByteArray& path);

    QTcpServer server_;
    QHash<QByteArray, Answer> answers_;
    QList<QByteArray> requests_;
};

}  // namespace lumtar::test
