#include "app/failurereason.h"
#include "tests/support/typedprinting.h"

#include <QtTest>

using Kind = FailureReason::Kind;

class FailureReasonTest : public QObject
{
    Q_OBJECT

private slots:
    void describesEveryKind_data();
    void describesEveryKind();
    void comparesEveryField();
};

// Each factory fills the fields its kind documents, and the description names them.
void FailureReasonTest::describesEveryKind_data()
{
    QTest::addColumn<FailureReason>("reason");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QString>("description");
    const QUrl url(QStringLiteral("http://127.0.0.1:8080/update.json"));
    QTest::newRow("none") << FailureReason() << Kind::None << "None";
    QTest::newRow("cancelled") << FailureReason::cancelled() << Kind::Cancelled << "Cancelled";
    QTest::newRow("disk full") << FailureReason::diskFull("/games/Game", 5000, 120) << Kind::DiskFull
                               << "DiskFull: path /games/Game, needs 5000 bytes, 120 bytes free";
    QTest::newRow("disk full, need unknown") << FailureReason::diskFull("/games/Game", -1, 0)
                                             << Kind::DiskFull << "DiskFull: path /games/Game, 0 bytes free";
    QTest::newRow("not writable") << FailureReason::notWritable("/games") << Kind::FolderNotWritable
                                  << "FolderNotWritable: path /games";
    QTest::newRow("unreachable") << FailureReason::atUrl(Kind::ServerUnreachable, url)
                                 << Kind::ServerUnreachable
                                 << "ServerUnreachable: url http://127.0.0.1:8080/update.json";
    QTest::newRow("status") << FailureReason::atStatus(url, 503) << Kind::HttpStatus
                            << "HttpStatus: url http://127.0.0.1:8080/update.json, status 503";
    QTest::newRow("proxy refused") << FailureReason::atProxy(Kind::ProxyRefused, "127.0.0.1:3128")
                                   << Kind::ProxyRefused << "ProxyRefused: proxy 127.0.0.1:3128";
    QTest::newRow("proxy authentication")
        << FailureReason::atProxy(Kind::ProxyAuthentication, "127.0.0.1:3128") << Kind::ProxyAuthentication
        << "ProxyAuthentication: proxy 127.0.0.1:3128";
    QTest::newRow("digest") << FailureReason::atPath(Kind::DigestMismatch, "Update/game.7z")
                            << Kind::DigestMismatch << "DigestMismatch: path Update/game.7z";
}

void FailureReasonTest::describesEveryKind()
{
    QFETCH(FailureReason, reason);
    QFETCH(Kind, kind);
    QFETCH(QString, description);
    QCOMPARE(reason.kind, kind);
    QCOMPARE(reason.isFailure(), kind != Kind::None);
    QCOMPARE(reason.describe(), description);
}

void FailureReasonTest::comparesEveryField()
{
    const FailureReason base = FailureReason::diskFull("/games", 10, 5);
    QVERIFY(base == FailureReason::diskFull("/games", 10, 5));
    QList<FailureReason> others{
        FailureReason::diskFull("/other", 10, 5), FailureReason::diskFull("/games", 11, 5),
        FailureReason::diskFull("/games", 10, 6), FailureReason::notWritable("/games")};
    FailureReason withUrl = base;
    withUrl.url = QUrl(QStringLiteral("http://127.0.0.1/"));
    FailureReason withProxy = base;
    withProxy.proxy = QStringLiteral("127.0.0.1:1");
    FailureReason withStatus = base;
    withStatus.httpStatus = 404;
    others << withUrl << withProxy << withStatus;
    for (const FailureReason &other : qAsConst(others)) {
        QVERIFY2(base != other, qPrintable(other.describe()));
        QVERIFY(!(base == other));
    }
}

QTEST_GUILESS_MAIN(FailureReasonTest)
#include "tst_failurereason.moc"
