#pragma once
// Tests against the real database server: a database of the test's own
// (cloned from the loaded template), the fake platform, and a session on it
// when the test wants one. Skips when no server is at hand.

#include "desk/DbSession.h"
#include "support/FakePlatform.h"
#include "support/PgTestDatabase.h"

#include <gtest/gtest.h>

#include <QStringList>

#include <memory>

namespace vonu::test {

class DatabaseFixture : public ::testing::Test {
protected:
    void SetUp() override;

    // The connection settings of this test's database.
    ConnectionSettings settings() const;
    // Opens `session` for the user on this test's database.
    bool openSession(const QString& user = QStringLiteral("Balie1"));

    // Checks through the test's own connection.
    int count(const QString& sql, const QVariantList& params = {}) const;
    int sessionRows(const QString& user) const;
    int lockRows(const QString& user) const;
    // For fixtures whose tests show no message at all: the last one shown
    // fails the test (called from TearDown; nothing when no session opened).
    void expectNoMessageShown() const;

    // The rows a query gives, each its columns joined by '|' ("null" for NULL).
    QStringList rows(const QString& sql, const QVariantList& params = {}) const;

    // The order desk's working folder of `user` on this test's database, as
    // an installation has it: Morvek.Ini holding `morvekIni`, the shared
    // order folder and the demo catalog beside it. Returns the folder.
    static constexpr const char* DeskIni = "OnderdorpelPre=pre\r\nOnderdorpelPost=post\r\n";
    QString deskFolder(const QString& user = QStringLiteral("Balie1"), const QByteArray& morvekIni = DeskIni);

    std::unique_ptr<PgTestDatabase> db;
    FakePlatform fake;
    ScriptedMessages& messages = fake.messages;
    std::unique_ptr<DbSession> session;
};

// The same with `session` open for "Balie1" before the test starts.
// Fixtures that add to the set-up call SetUp() and go on only when ready().
class SessionFixture : public DatabaseFixture {
protected:
    void SetUp() override;
    bool ready() const { return !IsSkipped() && !HasFatalFailure() && session; }
};

} // namespace vonu::test
