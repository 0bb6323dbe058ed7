#pragma once

// A small HTTP server of the test's own on 127.0.0.1 for the online update's tests.

#include <QHash>
#include <QTcpServer>
#include <QTcpSocket>

// Answers "GET /PATH" with the canned answer of that path: "STATUS\nBODY"; a body "SILENT"
// is never answered, "CUT:" + body announces the whole body and sends half of it.
class TinyHttpServer : public QObject
{
public:
    QHash<QByteArray, QByteArray> answers;
    QByteArrayList requests;

    TinyHttpServer()
    {
        m_server.listen(QHostAddress::LocalHost, 0);
        connect(&m_server, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket *socket = m_server.nextPendingConnection()) {
                socket->setParent(this);
                connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                    const QByteArray request = socket->readAll();
                    requests << request;
                    const QByteArray path = request.split(' ').value(1);
                    const QByteArray answer = answers.value(path, "404 Not Found\n");
                    const QByteArray status = answer.left(answer.indexOf('\n'));
                    QByteArray body = answer.mid(answer.indexOf('\n') + 1);
                    if (body == "SILENT")
                        return;
                    const bool cut = body.startsWith("CUT:");
                    body = body.mid(cut ? 4 : 0);
                    socket->write("HTTP/1.1 " + status + "\r\nContent-Length: " + QByteArray::number(body.size())
                                  + "\r\nConnection: close\r\n\r\n" + (cut ? body.left(body.size() / 2) : body));
                    socket->disconnectFromHost();
                });
            }
        });
    }
    QString url(const char *path) const { return QStringLiteral("http://127.0.0.1:%1%2").arg(m_server.serverPort()).arg(path); }

private:
    QTcpServer m_server;
};
