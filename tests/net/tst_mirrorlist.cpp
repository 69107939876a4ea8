#include "net/mirrorlist.h"

#include <QtTest>

#include <set>

Q_DECLARE_METATYPE(MirrorPolicy)

namespace {

QList<QUrl> locations(int count)
{
    QList<QUrl> urls;
    for (int i = 0; i < count; ++i)
        urls.append(QUrl(QStringLiteral("http://127.0.0.1/m%1").arg(i)));
    return urls;
}

// "index@timeout" per try, in order.
QStringList tries(const MirrorList &list)
{
    QStringList texts;
    for (const MirrorList::Attempt &attempt : list) {
        if (attempt.url != locations(attempt.index + 1).last())
            texts.append(QStringLiteral("wrong url ") + attempt.url.toString());
        texts.append(QStringLiteral("%1@%2").arg(attempt.index).arg(attempt.timeoutMs));
    }
    return texts;
}

} // namespace

// The rules by which the update and the download manager try their locations, one table.
class MirrorListTest : public QObject
{
    Q_OBJECT
private slots:
    void ordersTheTries_data();
    void ordersTheTries();
    void randomOrderTriesEachOnce();
};

void MirrorListTest::ordersTheTries_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<MirrorPolicy>("policy");
    QTest::addColumn<QStringList>("tries");
    // The manifest, its signature and a .torrent: a short pass, then a long one.
    QTest::newRow("two passes") << 3 << MirrorPolicy::twoPasses(2500, 15000)
                                << QStringList{"0@2500", "1@2500", "2@2500", "0@15000", "1@15000", "2@15000"};
    QTest::newRow("two passes, one mirror")
        << 1 << MirrorPolicy::twoPasses(2500, 15000) << QStringList{"0@2500", "0@15000"};
    // A content's archive over its HTTP locations.
    QTest::newRow("one pass") << 2 << MirrorPolicy::onePass(2500) << QStringList{"0@2500", "1@2500"};
    QTest::newRow("no mirrors") << 0 << MirrorPolicy::twoPasses(2500, 15000) << QStringList();
    QTest::newRow("random, one mirror") << 1 << MirrorPolicy::randomOnce() << QStringList{"0@0"};
    QTest::newRow("random, no mirrors") << 0 << MirrorPolicy::randomOnce() << QStringList();
}

void MirrorListTest::ordersTheTries()
{
    QFETCH(int, count);
    QFETCH(MirrorPolicy, policy);
    QTEST(tries(MirrorList(locations(count), policy)), "tries");
}

// The download manager spreads its load: every order comes up, each location once per list.
void MirrorListTest::randomOrderTriesEachOnce()
{
    std::set<QStringList> orders;
    for (quint32 seed = 0; seed < 200; ++seed) {
        std::mt19937 randomness(seed);
        const QStringList order = tries(MirrorList(locations(3), MirrorPolicy::randomOnce(), &randomness));
        QCOMPARE(order.size(), 3);
        QCOMPARE(QSet<QString>(order.cbegin(), order.cend()), (QSet<QString>{"0@0", "1@0", "2@0"}));
        orders.insert(order);
    }
    QCOMPARE(orders.size(), size_t(6));
}

QTEST_GUILESS_MAIN(MirrorListTest)
#include "tst_mirrorlist.moc"
