#pragma once

#include <QAbstractHttpServer>

#include "server/club_service.h"

namespace tavlo {

// The HTTP side of tavlo-club: every request goes to the one ClubService, on this thread.
class ClubHttpServer final : public QAbstractHttpServer {
 public:
  explicit ClubHttpServer(ClubService& service, QObject* parent = nullptr)
      : QAbstractHttpServer(parent), service_(service) {}

 protected:
  bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
  void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

 private:
  ClubService& service_;
};

}  // namespace tavlo
