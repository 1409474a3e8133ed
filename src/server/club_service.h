#pragma once

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <string>

#include "server/club_store.h"
#include "server/password_hash.h"
#include "server/script_form.h"

namespace tavlo {

// One HTTP request as the club sees it, and its reply. Kept free of sockets so that every script
// can be exercised directly.
struct ClubCall {
  QByteArray Method;  // "GET", "POST", ...
  QString Path;       // decoded URL path, "/acc.php"
  QByteArray Body;
  QString RemoteAddress;
};

struct ClubReply {
  int Status = 200;
  QByteArray ContentType = "text/plain; charset=windows-1251";
  QByteArray Body;
};

struct ServiceOptions {
  QString PublicBase;            // "http://127.0.0.1:8080": where the scripts are reached, for the configuration text
  QString FilesFolder;           // static files: GET /<path> serves <FilesFolder>/<path>
  QString TourHost = "0.0.0.0";  // where the tournament tables are served; table k on TourBasePort + k
  int TourBasePort = 0;
  bool TourTablesRunning = false;  // this process serves the tables
  bool ChatPaused = false;
  bool WorldPaused = false;
  int IdleSeconds = 60;  // a connection silent this long is closed
  QString HelpPage;              // the program's online help page, opened by the menu's "?" icon
  QString PaymentPage;           // where members pay for Zans; the program adds the amount ("100")
};

// Largest request bodies: every script but the photo upload, and the upload.
inline constexpr int kMaxScriptBody = 16 * 1024;
inline constexpr int kMaxPhotoBytes = 100 * 1024;
inline constexpr int kMaxPhotoBody = 3 * kMaxPhotoBytes + 1024;

// The club's scripts: reads a request, checks every field with the program's own character rules,
// asks the store and answers in the short texts the program reads (Windows-1251). A request that
// is malformed, oversized or refused gets the failure answer of its script; nothing is half-written.
// One service per serving thread, each with its own store connection; the hasher is shared.
class ClubService {
 public:
  ClubService(ClubStore& store, PasswordHasher& hasher, ServiceOptions options);

  ClubReply Handle(const ClubCall& call);
  void SetPublicBase(const QString& base) { options_.PublicBase = base; }

 private:
  QByteArray Account(const ScriptForm& form, const QString& address);
  QByteArray World(const ScriptForm& form, const QString& address);
  QByteArray Tournament(const ScriptForm& form);
  QByteArray Statistics(const ScriptForm& form);
  QByteArray PhotoUpload(const ScriptForm& form, const QString& address);
  QByteArray ConfigurationText() const;
  ClubReply Photo(const QString& path);

  // The nick and password of the form name an account; wrong passwords are counted per address.
  bool Authenticate(const ScriptForm& form, const QString& address);

  ClubStore& store_;
  ServiceOptions options_;
  PasswordHasher& hasher_;
};

}  // namespace tavlo
