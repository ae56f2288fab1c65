#include "http_test_server.h"

#include <QTcpSocket>
#include <QTimer>
#include <memory>

namespace lumtar::test {
namespace {

QByteArray ReasonOf(int status) {
    switch (status) {
        case 200:
            return "OK";
        case 302:
            return "Found";
        case 404:
            return "Not Found";
        case 500:
            return "Internal Server Error";
        default:
            return "Status";
    }
}

QByteArray StatusLine(int status) {
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' + ReasonOf(status) + "\r\n";
}

}  // namespace

HttpTestServer::HttpTestServer() {
    if (!server_.listen(QHostAddress::LocalHost)) qFatal("test server cannot listen");
    connect(&server_, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) serve(socket);
    });
}

QString HttpTestServer::url() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort());
}

void HttpTestServer::answer(const QByteArray& path, Answer how) {
    answers_.insert(path, how);
}

void HttpTestServer::serve(QTcpSocket* socket) {
    connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    auto received = std::make_shared<QByteArray>();
    connect(socket, &QTcpSocket::readyRead, this, [this, socket, received] {
        *received += socket->readAll();
        if (!received->contains("\r\n\r\n")) return;
        const QList<QByteArray> requestLine = received->left(received->indexOf("\r\n")).split(' ');
        received->clear();
        const QByteArray path = requestLine.value(1);
        requests_ << path;
        if (onRequest) onRequest(path);
        respond(socket, path);
    });
}

void HttpTestServer::respond(QTcpSocket* socket, const QByteArray& path) {
    const auto found = answers_.constFind(path);
    const Answer how =
        found != answers_.constEnd() ? *found : Answer{.status = 404, .body = "missing"};
    switch (how.kind) {
        case Answer::Kind::Silent:
            return;
        case Answer::Kind::Trickle: {
            socket->write(StatusLine(200) +
                          "Content-Type: text/plain\r\n"
                          "Content-Length: 100000\r\n\r\n");
            auto* drip = new QTimer(socket);
            connect(drip, &QTimer::timeout, socket, [socket] { socket->write("["); });
            drip->start(20);
            return;
        }
        case Answer::Kind::RedirectLoop:
            socket->write(StatusLine(302) + "Location: " + path + "\r\nContent-Length: 0\r\n\r\n");
            return;  // keep-alive: the client asks again on this connection or another
        case Answer::Kind::Undeclared:
            socket->write(StatusLine(how.status) + "Content-Type: " + how.contentType +
                          "\r\nConnection: close\r\n\r\n");
            socket->write(how.body);
            socket->disconnectFromHost();
            return;
        case Answer::Kind::Normal:
            socket->write(StatusLine(how.status) + "Content-Type: " + how.contentType +
                          "\r\nContent-Length: " + QByteArray::number(how.body.size()) +
                          "\r\nConnection: close\r\n\r\n");
            socket->write(how.body);
            socket->disconnectFromHost();
            return;
    }
}

}  // namespace lumtar::test
