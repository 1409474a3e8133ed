#pragma once

#include <gtest/gtest.h>

#include <QByteArray>
#include <QProcess>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "net/club/club_client.h"

namespace tavlo::testing {

// Starts tavlo-club on 127.0.0.1 with a port from the OS and a fresh data folder (or a fresh
// PostgreSQL schema when TAVLO_TEST_POSTGRES is set) and stops it at the end of the test.
class ClubServerTest : public ::testing::Test {
 public:
  // A raw HTTP exchange: status (0 when the connection failed) and body.
  struct Raw {
    int Status = 0;
    QByteArray Body;
    QByteArray ContentType;
  };

 protected:
  void SetUp() override;
  void TearDown() override;

  // Starts the server with extra options; false with a failure recorded.
  bool StartServer(const QStringList& extra = {});
  void StopServer();
  // Another process on the same club data (folder or PostgreSQL database); its port in `port`.
  std::unique_ptr<QProcess> LaunchServer(const QStringList& extra, int* port);
  static void Stop(QProcess& server);

  std::string Base() const { return "http://127.0.0.1:" + std::to_string(port_); }
  ClubClient& Client() { return *client_; }
  QString DataFolder() const { return data_.path(); }

  Raw Post(const QString& path, const QByteArray& body);
  Raw Get(const QString& path);

  // An operator's command of tavlo-club on this club's data; its exit code (-1 when it did not end
  // by itself) and standard output.
  int Operator(const QStringList& arguments, QString* output = nullptr);

  // Creates an account with valid fields; the nick and password given.
  TZanUser NewUser(const std::string& nick, const std::string& pw = "pass1");
  void CreateUser(const std::string& nick, const std::string& pw = "pass1");

 private:
  QTemporaryDir data_;
  std::unique_ptr<QProcess> server_;
  std::unique_ptr<ClubClient> client_;
  int port_ = 0;
};

// A small real JPEG picture.
QByteArray TestJpeg(int width, int height);

}  // namespace tavlo::testing
