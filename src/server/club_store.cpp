#include "server/club_store.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>
#include <QUuid>
#include <algorithm>
#include <map>
#include <memory>
#include <mutex>

#include "server/club_schema.h"

namespace tavlo {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }
std::string S(const QVariant& value) { return value.toString().toStdString(); }

// Prepares and runs one statement with positional values.
// Statements without values run unprepared: PostgreSQL cannot prepare schema changes.
bool Run(QSqlQuery& query, const QString& sql, const QVariantList& values = {}) {
  if (values.isEmpty()) return query.exec(sql);
  if (!query.prepare(sql)) return false;
  for (const QVariant& value : values) query.addBindValue(value);
  return query.exec();
}

// The serving threads of one process take turns at writing to a SQLite file on this mutex (one
// per file). SQLite lets one writer in at a time anyway, but a writer that finds the file locked
// sleeps in its busy handler for milliseconds at a time, however soon the lock is free again; a
// mutex hands the turn over at once. Readers do not take turns: in WAL mode they never wait.
// Other processes on the same file still meet at SQLite's own lock and busy time-out.
std::mutex* SqliteWriteGate(const QString& file) {
  static std::mutex registry;
  static std::map<QString, std::unique_ptr<std::mutex>> gates;
  const std::lock_guard lock(registry);
  auto& gate = gates[file];
  if (!gate) gate = std::make_unique<std::mutex>();
  return gate.get();
}

// Holds the write turn for its lifetime (nothing to hold on PostgreSQL, whose row locks order the
// writers).
class WriteTurn {
 public:
  explicit WriteTurn(std::mutex* gate) {
    if (gate) lock_ = std::unique_lock(*gate);
  }

 private:
  std::unique_lock<std::mutex> lock_;
};

// Rolls back unless committed: every change of several rows is all or nothing.
//
// On SQLite the transaction takes the write lock at once (BEGIN IMMEDIATE), waiting for it as long
// as the busy time-out allows. A plain BEGIN would start as a reader, and a transaction that reads
// and then writes fails at its first write, without waiting, whenever another connection wrote in
// between: with several serving threads that happens all the time.
class Transaction {
 public:
  Transaction(QSqlDatabase& db, std::mutex* gate) : writing_(gate), db_(db), open_(Begin(db)) {}
  ~Transaction() {
    if (open_) db_.rollback();
  }
  bool Started() const { return open_; }
  bool Commit() {
    open_ = false;
    if (db_.commit()) return true;
    db_.rollback();
    return false;
  }

 private:
  static bool Begin(QSqlDatabase& db) {
    if (db.driverName() != "QSQLITE") return db.transaction();
    QSqlQuery q(db);
    return q.exec("BEGIN IMMEDIATE");
  }

  WriteTurn writing_;
  QSqlDatabase& db_;
  bool open_;
};

const char* kProfileSeparator = "~";

std::string JoinProfile(const TInfo14& i) {
  const std::string* fields[] = {&i.Name1, &i.Name2, &i.About,    &i.Telephone, &i.EMailO,  &i.Skype,      &i.WebSite,
                                 &i.OK,    &i.VK,    &i.Telegram, &i.FaceBook,  &i.Twitter, &i.Instagramm, &i.YouTube};
  std::string joined;
  for (const std::string* field : fields) {
    if (field != fields[0]) joined += kProfileSeparator;
    joined += *field;
  }
  return joined;
}

TInfo14 SplitProfile(const std::string& joined) {
  TInfo14 i;
  std::string* fields[] = {&i.Name1, &i.Name2, &i.About,    &i.Telephone, &i.EMailO,  &i.Skype,      &i.WebSite,
                           &i.OK,    &i.VK,    &i.Telegram, &i.FaceBook,  &i.Twitter, &i.Instagramm, &i.YouTube};
  std::size_t k = 0, start = 0;
  while (k < std::size(fields) && start <= joined.size()) {
    const std::size_t end = joined.find(kProfileSeparator, start);
    *fields[k++] = joined.substr(start, end == std::string::npos ? std::string::npos : end - start);
    if (end == std::string::npos) break;
    start = end + 1;
  }
  return i;
}

TZanRecord WorldRow(const QSqlQuery& q, int gid, std::int64_t place) {
  TZanRecord row;
  row.GID = gid;
  row.Place = static_cast<std::int32_t>(place);
  row.Score = q.value(0).toInt();
  row.Nick = S(q.value(1));
  row.Country = S(q.value(2));
  row.City = S(q.value(3));
  row.R07 = S(q.value(4));
  row.R08 = S(q.value(5));
  row.R09 = S(q.value(6));
  row.R10 = S(q.value(7));
  return row;
}

const char* kWorldColumns = "score, nick, country, city, r07, r08, r09, r10";
const char* kSeatColumns = "nick, score, kon, rating, country, city, sex, ip";

TZanClient SeatPlayer(const QSqlQuery& q, int first) {
  TZanClient c;
  c.Nick = S(q.value(first));
  c.Score = q.value(first + 1).toInt();
  c.Kon = q.value(first + 2).toInt();
  c.Rating = q.value(first + 3).toInt();
  c.Country = S(q.value(first + 4));
  c.City = S(q.value(first + 5));
  const std::string sex = S(q.value(first + 6));
  c.Sex = sex.empty() ? 'M' : sex[0];
  c.IP = S(q.value(first + 7));
  return c;
}

const char* MeasureColumn(char measure) { return measure == 'r' ? "rating" : measure == 'k' ? "kon" : "score"; }

}  // namespace

ClubStore::ClubStore() : connection_("club-" + QUuid::createUuid().toString(QUuid::WithoutBraces)) {}

ClubStore::~ClubStore() {
  if (db_.isValid()) {
    db_.close();
    db_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(connection_);
  }
}

bool ClubStore::Open(const StoreOptions& options, QString* error) {
  postgres_ = !options.PostgresUrl.isEmpty();
  db_ = QSqlDatabase::addDatabase(postgres_ ? "QPSQL" : "QSQLITE", connection_);
  if (!db_.isValid()) {
    *error = QStringLiteral("the Qt SQL driver for %1 is not installed").arg(postgres_ ? "PostgreSQL" : "SQLite");
    return false;
  }
  if (postgres_) {
    const QUrl url(options.PostgresUrl);
    if (!url.isValid() || (url.scheme() != "postgresql" && url.scheme() != "postgres")) {
      *error = QStringLiteral("not a postgresql:// address: %1").arg(options.PostgresUrl);
      return false;
    }
    if (!url.host().isEmpty()) db_.setHostName(url.host());
    if (url.port() > 0) db_.setPort(url.port());
    if (!url.userName().isEmpty()) db_.setUserName(url.userName());
    if (!url.password().isEmpty()) db_.setPassword(url.password());
    const QString name = url.path().mid(1);
    if (!name.isEmpty()) db_.setDatabaseName(name);
  } else {
    db_.setDatabaseName(options.SqliteFile);
    // Several processes on one file wait for each other's writes instead of failing at once.
    db_.setConnectOptions("QSQLITE_BUSY_TIMEOUT=10000");
    writeGate_ = SqliteWriteGate(QFileInfo(options.SqliteFile).absoluteFilePath());
  }
  if (!db_.open()) {
    *error = db_.lastError().text();
    return false;
  }
  if (!postgres_) {
    QSqlQuery q(db_);
    Run(q, "PRAGMA journal_mode=WAL");
    Run(q, "PRAGMA synchronous=NORMAL");
    if (options.CheckpointElsewhere) Run(q, "PRAGMA wal_autocheckpoint=0");
  }
  return Migrate(error);
}

bool ClubStore::Checkpoint() {
  if (postgres_) return true;
  QSqlQuery q(db_);
  return Run(q, "PRAGMA wal_checkpoint(PASSIVE)");
}

int ClubStore::SchemaVersion() {
  QSqlQuery q(db_);
  if (!Run(q, "SELECT version FROM schema_version") || !q.next()) return 0;
  return q.value(0).toInt();
}

bool ClubStore::Migrate(QString* error) {
  {
    QSqlQuery q(db_);
    if (!Run(q, "CREATE TABLE IF NOT EXISTS schema_version (version INTEGER NOT NULL)")) {
      *error = q.lastError().text();
      return false;
    }
  }
  const QList<QStringList>& versions = ClubSchemaVersions();
  for (int version = SchemaVersion(); version < versions.size(); ++version) {
    Transaction transaction(db_, writeGate_);
    QSqlQuery q(db_);
    // Two processes opening a new database together: the second one waits here, then finds the
    // version already applied.
    if (version != SchemaVersion()) continue;
    for (QString sql : versions[version]) {
      sql.replace("%ID%", postgres_ ? "BIGSERIAL PRIMARY KEY" : "INTEGER PRIMARY KEY AUTOINCREMENT");
      sql.replace("%BLOB%", postgres_ ? "BYTEA" : "BLOB");
      if (!Run(q, sql)) {
        *error = QStringLiteral("schema version %1: %2").arg(version + 1).arg(q.lastError().text());
        return false;
      }
    }
    const bool stored = version == 0 ? Run(q, "INSERT INTO schema_version (version) VALUES (1)")
                                     : Run(q, "UPDATE schema_version SET version = ?", {version + 1});
    if (!stored || !transaction.Commit()) {
      *error = QStringLiteral("schema version %1 could not be stored").arg(version + 1);
      return false;
    }
  }
  if (SchemaVersion() > versions.size()) {
    *error = QStringLiteral("the database has schema version %1, newer than this program knows (%2)")
                 .arg(SchemaVersion())
                 .arg(versions.size());
    return false;
  }
  return true;
}

ClubStore::Created ClubStore::CreateAccount(const TZanUser& u, const std::string& passwordHash) {
  const WriteTurn writing(writeGate_);
  QSqlQuery q(db_);
  if (Run(q, "SELECT 1 FROM accounts WHERE lower(nick) = lower(?)", {Q(u.Nick)}) && q.next()) return Created::Taken;
  const bool done = Run(q,
                        "INSERT INTO accounts (nick, pw_hash, city, country1, country2, sex, email, dater, r01, r02,"
                        " r03, balance, r05, r06) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, 0, ?, ?)",
                        {Q(u.Nick), Q(passwordHash), Q(u.City), Q(u.Country1), Q(u.Country2), QString(QChar(u.Sex)),
                         Q(u.EMail), Q(u.DateR), Q(u.R01), Q(u.R02), Q(u.R03), qint64(u.R05), qint64(u.R06)});
  if (done) return Created::Done;
  // A second process may have created the same nick a moment ago.
  QSqlQuery again(db_);
  if (Run(again, "SELECT 1 FROM accounts WHERE lower(nick) = lower(?)", {Q(u.Nick)}) && again.next()) {
    return Created::Taken;
  }
  return Created::Failed;
}

std::optional<std::string> ClubStore::PasswordHash(const std::string& nick) {
  QSqlQuery q(db_);
  if (!Run(q, "SELECT pw_hash FROM accounts WHERE nick = ?", {Q(nick)}) || !q.next()) return std::nullopt;
  return S(q.value(0));
}

std::optional<TZanUser> ClubStore::Account(const std::string& nick) {
  QSqlQuery q(db_);
  if (!Run(q,
           "SELECT nick, city, country1, country2, sex, email, dater, r01, r02, r03, balance, r05, r06, profile"
           " FROM accounts WHERE nick = ?",
           {Q(nick)}) ||
      !q.next()) {
    return std::nullopt;
  }
  TZanUser u;
  u.Nick = S(q.value(0));
  u.City = S(q.value(1));
  u.Country1 = S(q.value(2));
  u.Country2 = S(q.value(3));
  const std::string sex = S(q.value(4));
  u.Sex = sex.empty() ? 'M' : sex[0];
  u.EMail = S(q.value(5));
  u.DateR = S(q.value(6));
  u.R01 = S(q.value(7));
  u.R02 = S(q.value(8));
  u.R03 = S(q.value(9));
  u.R04 = static_cast<std::int32_t>(q.value(10).toLongLong());
  u.R05 = static_cast<std::int32_t>(q.value(11).toLongLong());
  u.R06 = static_cast<std::int32_t>(q.value(12).toLongLong());
  u.Info = SplitProfile(S(q.value(13)));
  return u;
}

std::optional<std::int64_t> ClubStore::MemberCount() {
  QSqlQuery q(db_);
  if (!Run(q, "SELECT COUNT(*) FROM accounts") || !q.next()) return std::nullopt;
  return q.value(0).toLongLong();
}

std::optional<std::int64_t> ClubStore::Balance(const std::string& nick) {
  QSqlQuery q(db_);
  if (!Run(q, "SELECT balance FROM accounts WHERE nick = ?", {Q(nick)}) || !q.next()) return std::nullopt;
  return q.value(0).toLongLong();
}

bool ClubStore::SpendZans(const std::string& nick, std::int64_t amount) {
  const WriteTurn writing(writeGate_);
  QSqlQuery q(db_);
  return amount > 0 &&
         Run(q, "UPDATE accounts SET balance = balance - ? WHERE nick = ? AND balance >= ?",
             {qint64(amount), Q(nick), qint64(amount)}) &&
         q.numRowsAffected() == 1;
}

TransferResult ClubStore::Transfer(const std::string& from, const std::string& to, std::int64_t amount) {
  if (amount <= 0 || from == to) return TransferResult::Refused;
  Transaction transaction(db_, writeGate_);
  if (!transaction.Started()) return TransferResult::NoAnswer;
  QSqlQuery q(db_);
  // Two transfers in opposite directions would each hold one account and wait for the other, and
  // PostgreSQL would end one of them: both accounts are locked first, always in the same order.
  // (SQLite lets one writing transaction in at a time.)
  if (postgres_ && !Run(q, "SELECT nick FROM accounts WHERE nick IN (?, ?) ORDER BY nick FOR UPDATE", {Q(from), Q(to)})) {
    return TransferResult::NoAnswer;
  }
  if (!Run(q, "SELECT 1 FROM accounts WHERE nick = ?", {Q(to)})) return TransferResult::NoAnswer;
  if (!q.next()) return TransferResult::NoSuchMember;
  if (!Run(q, "UPDATE accounts SET balance = balance - ? WHERE nick = ? AND balance >= ?",
           {qint64(amount), Q(from), qint64(amount)})) {
    return TransferResult::NoAnswer;
  }
  if (q.numRowsAffected() != 1) return TransferResult::Refused;
  if (!Run(q, "UPDATE accounts SET balance = balance + ? WHERE nick = ?", {qint64(amount), Q(to)}) ||
      q.numRowsAffected() != 1) {
    return TransferResult::NoAnswer;
  }
  return transaction.Commit() ? TransferResult::Done : TransferResult::NoAnswer;
}

std::optional<std::int64_t> ClubStore::CreditZans(const std::string& nick, std::int64_t amount) {
  // The program reads a balance as a 32-bit number; no credit may take it beyond that.
  constexpr std::int64_t kMaxBalance = 2147483647;
  if (amount <= 0 || amount > kMaxBalance) return std::nullopt;
  QSqlQuery q(db_);
  if (!Run(q, "UPDATE accounts SET balance = balance + ? WHERE lower(nick) = lower(?) AND balance <= ?",
           {qint64(amount), Q(nick), qint64(kMaxBalance - amount)}) ||
      q.numRowsAffected() != 1) {
    return std::nullopt;
  }
  if (!Run(q, "SELECT balance FROM accounts WHERE lower(nick) = lower(?)", {Q(nick)}) || !q.next()) return std::nullopt;
  return q.value(0).toLongLong();
}

std::optional<std::vector<TZanUser>> ClubStore::Members() {
  QSqlQuery q(db_);
  if (!Run(q, "SELECT nick, city, country1, dater, balance FROM accounts ORDER BY lower(nick)")) return std::nullopt;
  std::vector<TZanUser> members;
  while (q.next()) {
    TZanUser u;
    u.Nick = S(q.value(0));
    u.City = S(q.value(1));
    u.Country1 = S(q.value(2));
    u.DateR = S(q.value(3));
    u.R04 = static_cast<std::int32_t>(q.value(4).toLongLong());
    members.push_back(std::move(u));
  }
  return members;
}

bool ClubStore::SetPasswordHash(const std::string& nick, const std::string& passwordHash) {
  QSqlQuery q(db_);
  return !passwordHash.empty() &&
         Run(q, "UPDATE accounts SET pw_hash = ? WHERE lower(nick) = lower(?)", {Q(passwordHash), Q(nick)}) &&
         q.numRowsAffected() == 1;
}

std::optional<TInfo14> ClubStore::Profile(const std::string& nick) {
  QSqlQuery q(db_);
  if (!Run(q, "SELECT profile FROM accounts WHERE nick = ?", {Q(nick)}) || !q.next()) return std::nullopt;
  return SplitProfile(S(q.value(0)));
}

bool ClubStore::SaveProfile(const std::string& nick, const TInfo14& info) {
  const WriteTurn writing(writeGate_);
  QSqlQuery q(db_);
  return Run(q, "UPDATE accounts SET profile = ? WHERE nick = ?", {Q(JoinProfile(info)), Q(nick)}) &&
         q.numRowsAffected() == 1;
}

std::optional<TZanGame> ClubStore::GameRecord(const std::string& nick) {
  QSqlQuery q(db_);
  if (!Run(q, "SELECT kon, best, rating, sessions, konl, score, r1, r2 FROM game_records WHERE nick = ?", {Q(nick)})) {
    return std::nullopt;
  }
  TZanGame game;
  if (!q.next()) return game;
  game.Kon = q.value(0).toInt();
  game.Best = q.value(1).toInt();
  game.Rating = q.value(2).toDouble();
  game.Sessions = q.value(3).toInt();
  game.KonL = q.value(4).toInt();
  game.Score = q.value(5).toInt();
  game.R1 = q.value(6).toInt();
  game.R2 = S(q.value(7));
  return game;
}

bool ClubStore::SaveGameRecord(const std::string& nick, const TZanGame& g) {
  const WriteTurn writing(writeGate_);
  QSqlQuery q(db_);
  return Run(q,
             "INSERT INTO game_records (nick, kon, best, rating, sessions, konl, score, r1, r2)"
             " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (nick) DO UPDATE SET kon = excluded.kon,"
             " best = excluded.best, rating = excluded.rating, sessions = excluded.sessions,"
             " konl = excluded.konl, score = excluded.score, r1 = excluded.r1, r2 = excluded.r2",
             {Q(nick), g.Kon, g.Best, g.Rating, g.Sessions, g.KonL, g.Score, g.R1, Q(g.R2)});
}

std::optional<std::vector<TZanTop10>> ClubStore::ClubTopTen() {
  QSqlQuery q(db_);
  if (!Run(q,
           "SELECT a.nick, a.city, a.country1, a.sex, g.rating FROM game_records g JOIN accounts a ON a.nick = g.nick"
           " WHERE g.kon > 0 ORDER BY g.rating DESC, a.nick LIMIT 10")) {
    return std::nullopt;
  }
  std::vector<TZanTop10> rows;
  while (q.next()) {
    TZanTop10 row;
    row.Nick = S(q.value(0));
    row.City = S(q.value(1));
    row.Country = S(q.value(2));
    const std::string sex = S(q.value(3));
    row.Sex = sex.empty() ? 'M' : sex[0];
    row.Rating = q.value(4).toDouble();
    rows.push_back(row);
  }
  return rows;
}

std::optional<std::int64_t> ClubStore::RatingPlace(double rating) {
  QSqlQuery q(db_);
  if (!Run(q, "SELECT COUNT(*) FROM game_records WHERE kon > 0 AND rating > ?", {rating}) || !q.next()) {
    return std::nullopt;
  }
  return q.value(0).toLongLong() + 1;
}

bool ClubStore::SavePhoto(const std::string& nick, const QByteArray& jpeg) {
  const WriteTurn writing(writeGate_);
  QSqlQuery q(db_);
  return Run(q, "INSERT INTO photos (nick, jpeg) VALUES (?, ?) ON CONFLICT (nick) DO UPDATE SET jpeg = excluded.jpeg",
             {Q(nick), jpeg});
}

std::optional<QByteArray> ClubStore::Photo(const std::string& nick) {
  QSqlQuery q(db_);
  if (!Run(q, "SELECT jpeg FROM photos WHERE nick = ?", {Q(nick)}) || !q.next()) return std::nullopt;
  return q.value(0).toByteArray();
}

bool ClubStore::LoginBlocked(const QString& address, const std::string& nick, std::int64_t now, int* failures) {
  *failures = 0;
  QSqlQuery q(db_);
  if (!Run(q, "SELECT failures, last_at FROM login_failures WHERE address = ? AND nick = ?", {address, Q(nick)}) ||
      !q.next()) {
    return false;
  }
  *failures = q.value(0).toInt();
  if (*failures < 5) return false;
  const std::int64_t wait = std::int64_t{30} << std::min(*failures - 5, 5);
  return now < q.value(1).toLongLong() + wait;
}

void ClubStore::NoteLoginFailure(const QString& address, const std::string& nick, std::int64_t now) {
  const WriteTurn writing(writeGate_);
  QSqlQuery q(db_);
  Run(q,
      "INSERT INTO login_failures (address, nick, failures, last_at) VALUES (?, ?, 1, ?)"
      " ON CONFLICT (address, nick) DO UPDATE SET failures = login_failures.failures + 1, last_at = excluded.last_at",
      {address, Q(nick), qint64(now)});
}

void ClubStore::ClearLoginFailures(const QString& address, const std::string& nick) {
  const WriteTurn writing(writeGate_);
  QSqlQuery q(db_);
  Run(q, "DELETE FROM login_failures WHERE address = ? AND nick = ?", {address, Q(nick)});
}

std::optional<std::vector<TZanRecord>> ClubStore::WorldTop(int gid) {
  QSqlQuery q(db_);
  if (!Run(
          q,
          QStringLiteral("SELECT %1 FROM world_rows WHERE gid = ? ORDER BY score DESC, id LIMIT 10").arg(kWorldColumns),
          {gid})) {
    return std::nullopt;
  }
  std::vector<TZanRecord> rows;
  while (q.next()) rows.push_back(WorldRow(q, gid, static_cast<std::int64_t>(rows.size()) + 1));
  return rows;
}

std::optional<std::vector<TZanRecord>> ClubStore::WorldAround(int gid, const std::string& nick,
                                                              const std::string& city) {
  QSqlQuery q(db_);
  if (!Run(q, "SELECT MAX(score) FROM world_rows WHERE gid = ? AND nick = ? AND city = ?", {gid, Q(nick), Q(city)}) ||
      !q.next()) {
    return std::nullopt;
  }
  std::int64_t offset = 0;
  if (!q.value(0).isNull()) {
    QSqlQuery rank(db_);
    if (!Run(rank, "SELECT COUNT(*) FROM world_rows WHERE gid = ? AND score > ?", {gid, q.value(0)}) || !rank.next()) {
      return std::nullopt;
    }
    offset = std::max<std::int64_t>(0, rank.value(0).toLongLong() - 4);
  }
  if (!Run(q,
           QStringLiteral("SELECT %1 FROM world_rows WHERE gid = ? ORDER BY score DESC, id LIMIT 10 OFFSET ?")
               .arg(kWorldColumns),
           {gid, qint64(offset)})) {
    return std::nullopt;
  }
  std::vector<TZanRecord> rows;
  while (q.next()) rows.push_back(WorldRow(q, gid, offset + static_cast<std::int64_t>(rows.size()) + 1));
  return rows;
}

std::optional<std::int64_t> ClubStore::WorldCount(int gid) {
  QSqlQuery q(db_);
  if (!Run(q, "SELECT COUNT(*) FROM world_rows WHERE gid = ?", {gid}) || !q.next()) return std::nullopt;
  return q.value(0).toLongLong();
}

std::optional<std::int64_t> ClubStore::SubmitWorldRow(TZanRecord row, const std::string& bonusNick) {
  Transaction transaction(db_, writeGate_);
  if (!transaction.Started()) return std::nullopt;
  QSqlQuery q(db_);
  const bool chat = row.GID == kChatTable;
  if (chat) {
    // The counter's row lock orders simultaneous senders; each gets its own number.
    if (!Run(q, "UPDATE counters SET value = value + 1 WHERE name = 'chat'") ||
        !Run(q, "SELECT value FROM counters WHERE name = 'chat'") || !q.next()) {
      return std::nullopt;
    }
    row.Score = q.value(0).toInt();
  }
  if (!Run(q,
           "INSERT INTO world_rows (gid, score, nick, country, city, r07, r08, r09, r10)"
           " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)",
           {row.GID, row.Score, Q(row.Nick), Q(row.Country), Q(row.City), Q(row.R07), Q(row.R08), Q(row.R09),
            Q(row.R10)})) {
    return std::nullopt;
  }
  std::int64_t place = row.Score;
  if (!chat) {
    if (!Run(q, "SELECT COUNT(*) FROM world_rows WHERE gid = ? AND score > ?", {row.GID, row.Score}) || !q.next()) {
      return std::nullopt;
    }
    place = q.value(0).toLongLong() + 1;
  }
  if (!bonusNick.empty() && place >= 1 && place <= 10) {
    // Once per completed cycle of the account's game record.
    if (!Run(q,
             "UPDATE accounts SET balance = balance + ?,"
             " bonus_sessions = (SELECT sessions FROM game_records WHERE nick = ?)"
             " WHERE nick = ? AND bonus_sessions < (SELECT sessions FROM game_records WHERE nick = ?)",
             {place == 1 ? 25 : 10, Q(bonusNick), Q(bonusNick), Q(bonusNick)})) {
      return std::nullopt;
    }
  }
  if (!transaction.Commit()) return std::nullopt;
  return place;
}

std::optional<TZanStat> ClubStore::Stats(int gid) {
  QSqlQuery q(db_);
  if (!Run(q,
           "SELECT stat1, stat2, stat3, stat4, x1, x2, x3, x4, x5, x6, x7, x8, x9, x10, x11, x12"
           " FROM stats WHERE gid = ?",
           {gid})) {
    return std::nullopt;
  }
  TZanStat stat;
  stat.GID = gid;
  if (!q.next()) return stat;
  stat.Stat1 = q.value(0).toLongLong();
  stat.Stat2 = q.value(1).toLongLong();
  stat.Stat3 = q.value(2).toLongLong();
  stat.Stat4 = S(q.value(3));
  for (int x = 1; x <= 12; ++x) stat.StatX[x] = q.value(3 + x).toLongLong();
  return stat;
}

bool ClubStore::AddStats(int gid, std::int64_t starts, std::int64_t uniqueStarts, std::int64_t likes,
                         const std::string& likeNick, const std::array<std::int64_t, 12>& x) {
  Transaction transaction(db_, writeGate_);
  QSqlQuery q(db_);
  if (!Run(q, "INSERT INTO stats (gid) VALUES (?) ON CONFLICT (gid) DO NOTHING", {gid})) return false;
  QVariantList values = {qint64(starts), qint64(uniqueStarts), qint64(likes), Q(likeNick), Q(likeNick)};
  for (const std::int64_t value : x) values.push_back(qint64(value));
  values.push_back(gid);
  return Run(q,
             "UPDATE stats SET stat1 = stat1 + ?, stat2 = stat2 + ?, stat3 = stat3 + ?,"
             " stat4 = CASE WHEN ? = '' THEN stat4 ELSE ? END, x1 = x1 + ?, x2 = x2 + ?, x3 = x3 + ?,"
             " x4 = x4 + ?, x5 = x5 + ?, x6 = x6 + ?, x7 = x7 + ?, x8 = x8 + ?, x9 = x9 + ?, x10 = x10 + ?,"
             " x11 = x11 + ?, x12 = x12 + ? WHERE gid = ?",
             values) &&
         transaction.Commit();
}

std::optional<std::vector<SeatRow>> ClubStore::Seats() {
  QSqlQuery q(db_);
  if (!Run(q, QStringLiteral("SELECT tbl, seat, %1 FROM tour_seats ORDER BY tbl, seat").arg(kSeatColumns))) {
    return std::nullopt;
  }
  std::vector<SeatRow> seats;
  while (q.next()) seats.push_back({q.value(0).toInt(), q.value(1).toInt(), SeatPlayer(q, 2)});
  return seats;
}

int ClubStore::TakeSeat(int table, int seat, const TZanClient& p) {
  const WriteTurn writing(writeGate_);
  QSqlQuery q(db_);
  // Seats fill in order, and a player holds one seat at a time.
  if (!Run(q,
           "UPDATE tour_seats SET nick = ?, score = ?, kon = ?, rating = ?, country = ?, city = ?, sex = ?, ip = ?"
           " WHERE tbl = ? AND seat = ? AND nick = 'X'"
           " AND (? = 1 OR EXISTS (SELECT 1 FROM tour_seats p WHERE p.tbl = ? AND p.seat = ? AND p.nick <> 'X'))"
           " AND NOT EXISTS (SELECT 1 FROM tour_seats o WHERE o.nick = ?)",
           {Q(p.Nick), p.Score, p.Kon, p.Rating, Q(p.Country), Q(p.City), QString(QChar(p.Sex)), Q(p.IP), table, seat,
            seat, table, seat - 1, Q(p.Nick)})) {
    return 1;
  }
  return q.numRowsAffected() == 1 ? 0 : 2;
}

int ClubStore::LeaveSeat(int table, int seat, const std::string& nick) {
  const WriteTurn writing(writeGate_);
  QSqlQuery q(db_);
  if (!Run(q,
           "UPDATE tour_seats SET nick = 'X', score = 0, kon = 0, rating = 0, country = 'X', city = 'X', sex = 'X',"
           " ip = 'X' WHERE tbl = ? AND seat = ? AND nick = ?",
           {table, seat, Q(nick)})) {
    return 1;
  }
  return q.numRowsAffected() == 1 ? 0 : 1;
}

int ClubStore::ClearSeat(int table, int seat) {
  const WriteTurn writing(writeGate_);
  QSqlQuery q(db_);
  return Run(q,
             "UPDATE tour_seats SET nick = 'X', score = 0, kon = 0, rating = 0, country = 'X', city = 'X', sex = 'X',"
             " ip = 'X' WHERE tbl = ? AND seat = ?",
             {table, seat})
             ? 0
             : 1;
}

std::optional<TZanClient> ClubStore::Seat(int table, int seat) {
  QSqlQuery q(db_);
  if (!Run(q, QStringLiteral("SELECT %1 FROM tour_seats WHERE tbl = ? AND seat = ?").arg(kSeatColumns),
           {table, seat}) ||
      !q.next()) {
    return std::nullopt;
  }
  return SeatPlayer(q, 0);
}

std::optional<TZanClient> ClubStore::TourPlayer(const std::string& nick) {
  QSqlQuery q(db_);
  if (!Run(q, "SELECT nick, score, kon, rating, country, city, sex, '' FROM tour_players WHERE nick = ?", {Q(nick)})) {
    return std::nullopt;
  }
  if (!q.next()) return TZanClient{nick, -1, 0, 0, "X", "X", 'M', "X"};
  return SeatPlayer(q, 0);
}

std::optional<std::vector<TZanClient>> ClubStore::TourTop(char measure) {
  QSqlQuery q(db_);
  if (!Run(q, QStringLiteral("SELECT nick, score, kon, rating, country, city, sex, '' FROM tour_players"
                             " ORDER BY %1 DESC, nick LIMIT 10")
                  .arg(MeasureColumn(measure)))) {
    return std::nullopt;
  }
  std::vector<TZanClient> rows;
  while (q.next()) rows.push_back(SeatPlayer(q, 0));
  return rows;
}

std::optional<std::int64_t> ClubStore::TourPlace(char measure, std::int64_t value) {
  QSqlQuery q(db_);
  if (!Run(q, QStringLiteral("SELECT COUNT(*) FROM tour_players WHERE %1 > ?").arg(MeasureColumn(measure)),
           {qint64(value)}) ||
      !q.next()) {
    return std::nullopt;
  }
  return q.value(0).toLongLong() + 1;
}

bool ClubStore::RecordTourGame(int table, const std::array<TZanClient, 4>& byPlace, std::int32_t placeOneResult) {
  Transaction transaction(db_, writeGate_);
  QSqlQuery q(db_);
  for (std::size_t k = 0; k < byPlace.size(); ++k) {
    const TZanClient& p = byPlace[k];
    const qint64 result = k < 2 ? placeOneResult : -static_cast<qint64>(placeOneResult);
    // A player's first game starts from zero, whatever a lobby row showed before it.
    if (!Run(q,
             "INSERT INTO tour_players (nick, score, kon, rating, country, city, sex) VALUES (?, 0, 0, 0, ?, ?, ?)"
             " ON CONFLICT (nick) DO UPDATE SET country = excluded.country, city = excluded.city,"
             " sex = excluded.sex",
             {Q(p.Nick), Q(p.Country), Q(p.City), QString(QChar(p.Sex))}) ||
        !Run(q, "UPDATE tour_players SET score = score + ?, kon = kon + 1 WHERE nick = ?", {result, Q(p.Nick)}) ||
        !Run(q,
             "UPDATE tour_players SET rating = CASE WHEN score >= 0 THEN (2 * score + kon) / (2 * kon)"
             " ELSE -((-2 * score + kon) / (2 * kon)) END WHERE nick = ?",
             {Q(p.Nick)})) {
      return false;
    }
  }
  if (!Run(q,
           "UPDATE tour_seats SET nick = 'X', score = 0, kon = 0, rating = 0, country = 'X', city = 'X', sex = 'X',"
           " ip = 'X' WHERE tbl = ?",
           {table})) {
    return false;
  }
  return transaction.Commit();
}

bool ClubStore::FreeTable(int table) {
  const WriteTurn writing(writeGate_);
  QSqlQuery q(db_);
  return Run(q,
             "UPDATE tour_seats SET nick = 'X', score = 0, kon = 0, rating = 0, country = 'X', city = 'X', sex = 'X',"
             " ip = 'X' WHERE tbl = ?",
             {table});
}

}  // namespace tavlo
