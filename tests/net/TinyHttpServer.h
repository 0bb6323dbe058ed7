#pragma once

// A small HTTP server of the test's own on 127.0.0.1 for the online update's tests. It
// needs QtNetwork only.

#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>
#include <functional>

// Answers "GET /PATH" with the answer of that path: "STATUS\nBODY", where STATUS may carry
// headers after "|" ("302 Found|Location: /x|Set-Cookie: a=1"); a body "SILENT" is never
// answered, "CUT:" + body announces the whole body and sends half of it. `route`, when set,
// is asked first with the path and the whole request; an empty answer falls back to
// `answers`, then to 404.
class TinyHttpServer : public QObject
{
public:
    QHash<QByteArray, QByteArray> answers;
    std::function<QByteArray(const QByteArray &path, const QByteArray &request)> route;
    QByteArrayList requests;

    TinyHttpServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
                    socket->setProperty("request", request);
                    if (!request.contains("\r\n\r\n"))
                        return;
                    requests << request;
                    const QByteArray path = request.split(' ').value(1);
                    QByteArray answer = route ? route(path, request) : QByteArray();
                    if (answer.isEmpty())
                        answer = answers.value(path, "404 Not Found\n");
                    const QByteArrayList head = answer.left(answer.indexOf('\n')).split('|');
                    QByteArray body = answer.mid(answer.indexOf('\n') + 1);
                    if (body == "SILENT")
                        return;
                    const bool cut = body.startsWith("CUT:");
                    body = body.mid(cut ? 4 : 0);
                    QByteArray reply = "HTTP/1.1 " + head.front() + "\r\n";
                    for (qsizetype i = 1; i < head.size(); ++i)
                        reply += head[i] + "\r\n";
                    reply += "Content-Length: " + QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n";
                    socket->write(reply + (cut ? body.left(body.size() / 2) : body));
                    socket->disconnectFromHost();
                });
            }
        });
    }
    QString url(const char *path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path); }

    // The value of header `name` in a request ("" when absent).
    static QByteArray header(const QByteArray &request, const QByteArray &name)
    {
        for (const QByteArray &line : request.split('\n')) {
            const qsizetype colon = line.indexOf(':');
            if (colon > 0 && line.left(colon).trimmed().compare(name, Qt::CaseInsensitive) == 0)
                return line.mid(colon + 1).trimmed();
        }
        return {};
    }

private:
    QTcpServer m_server;
};
