#include "server/club_schema.h"

namespace tavlo {

const QList<QStringList>& ClubSchemaVersions() {
  static const QList<QStringList> versions = {
      {
          "CREATE TABLE accounts (nick TEXT PRIMARY KEY, pw_hash TEXT NOT NULL, city TEXT NOT NULL,"
          " country1 TEXT NOT NULL, country2 TEXT NOT NULL, sex TEXT NOT NULL, email TEXT NOT NULL,"
          " dater TEXT NOT NULL, r01 TEXT NOT NULL, r02 TEXT NOT NULL, r03 TEXT NOT NULL,"
          " balance BIGINT NOT NULL DEFAULT 0 CHECK (balance >= 0), r05 BIGINT NOT NULL DEFAULT 0,"
          " r06 BIGINT NOT NULL DEFAULT 0, profile TEXT NOT NULL DEFAULT '',"
          " bonus_sessions BIGINT NOT NULL DEFAULT 0)",
          // Nicks differing only in letter case would be indistinguishable in the tables.
          "CREATE UNIQUE INDEX accounts_nick_case ON accounts (lower(nick))",
          "CREATE TABLE game_records (nick TEXT PRIMARY KEY, kon BIGINT NOT NULL, best BIGINT NOT NULL,"
          " rating DOUBLE PRECISION NOT NULL, sessions BIGINT NOT NULL, konl BIGINT NOT NULL,"
          " score BIGINT NOT NULL, r1 BIGINT NOT NULL, r2 TEXT NOT NULL)",
          "CREATE TABLE photos (nick TEXT PRIMARY KEY, jpeg %BLOB% NOT NULL)",
          "CREATE TABLE login_failures (address TEXT NOT NULL, nick TEXT NOT NULL, failures BIGINT NOT NULL,"
          " last_at BIGINT NOT NULL, PRIMARY KEY (address, nick))",
          "CREATE TABLE world_rows (id %ID%, gid INTEGER NOT NULL, score BIGINT NOT NULL, nick TEXT NOT NULL,"
          " country TEXT NOT NULL, city TEXT NOT NULL, r07 TEXT NOT NULL, r08 TEXT NOT NULL, r09 TEXT NOT NULL,"
          " r10 TEXT NOT NULL)",
          "CREATE INDEX world_rows_score ON world_rows (gid, score)",
          "CREATE TABLE counters (name TEXT PRIMARY KEY, value BIGINT NOT NULL)",
          "INSERT INTO counters (name, value) VALUES ('chat', 0)",
          "CREATE TABLE stats (gid INTEGER PRIMARY KEY, stat1 BIGINT NOT NULL DEFAULT 0,"
          " stat2 BIGINT NOT NULL DEFAULT 0, stat3 BIGINT NOT NULL DEFAULT 0, stat4 TEXT NOT NULL DEFAULT '',"
          " x1 BIGINT NOT NULL DEFAULT 0, x2 BIGINT NOT NULL DEFAULT 0, x3 BIGINT NOT NULL DEFAULT 0,"
          " x4 BIGINT NOT NULL DEFAULT 0, x5 BIGINT NOT NULL DEFAULT 0, x6 BIGINT NOT NULL DEFAULT 0,"
          " x7 BIGINT NOT NULL DEFAULT 0, x8 BIGINT NOT NULL DEFAULT 0, x9 BIGINT NOT NULL DEFAULT 0,"
          " x10 BIGINT NOT NULL DEFAULT 0, x11 BIGINT NOT NULL DEFAULT 0, x12 BIGINT NOT NULL DEFAULT 0)",
          "CREATE TABLE tour_seats (tbl INTEGER NOT NULL, seat INTEGER NOT NULL, nick TEXT NOT NULL,"
          " score BIGINT NOT NULL, kon BIGINT NOT NULL, rating BIGINT NOT NULL, country TEXT NOT NULL,"
          " city TEXT NOT NULL, sex TEXT NOT NULL, ip TEXT NOT NULL, PRIMARY KEY (tbl, seat))",
          "INSERT INTO tour_seats (tbl, seat, nick, score, kon, rating, country, city, sex, ip)"
          " SELECT t.n, s.n, 'X', 0, 0, 0, 'X', 'X', 'M', 'X' FROM"
          " (SELECT 1 AS n UNION ALL SELECT 2 UNION ALL SELECT 3 UNION ALL SELECT 4 UNION ALL SELECT 5"
          "  UNION ALL SELECT 6 UNION ALL SELECT 7 UNION ALL SELECT 8 UNION ALL SELECT 9 UNION ALL SELECT 10) t,"
          " (SELECT 1 AS n UNION ALL SELECT 2 UNION ALL SELECT 3 UNION ALL SELECT 4) s",
          "CREATE TABLE tour_players (nick TEXT PRIMARY KEY, score BIGINT NOT NULL, kon BIGINT NOT NULL,"
          " rating BIGINT NOT NULL, country TEXT NOT NULL, city TEXT NOT NULL, sex TEXT NOT NULL)",
      },
  };
  return versions;
}

}  // namespace tavlo
