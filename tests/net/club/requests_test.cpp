#include <gtest/gtest.h>

#include "net/club/account_requests.h"
#include "net/club/stat_requests.h"
#include "net/club/tour_requests.h"
#include "net/club/world_requests.h"

namespace tavlo {
namespace {

std::string Names(const ClubRequest& request) {
  std::string names;
  for (const FormField& field : request.Fields) names += (names.empty() ? "" : ",") + field.Name;
  return names;
}

struct RequestCase {
  const char* name;
  ClubRequest request;
  BodyStyle style;
  const char* fields;
  int timeout;
};

TEST(ClubRequests, FieldsInOrderStylesAndTimeouts) {
  TZanUser user;
  user.Nick = "Ann";
  TZanClient client;
  TZanRecord row;
  row.GID = 100;
  const RequestCase cases[] = {
      {"CreateAccount", CreateAccountRequest(user), BodyStyle::Raw,
       "nick,pw,city,country1,country2,sex,email,dater,R01,R02,R03,R04,R05,R06", 0},
      {"ReadAccount", ReadAccountRequest("a", "b"), BodyStyle::List, "nick,pw,label0", 0},
      {"ReadClubTopTen", ReadClubTopTenRequest(), BodyStyle::List, "crdtavlokon", 0},
      {"ReadRatingPlace", ReadRatingPlaceRequest(1), BodyStyle::Raw, "crdtavlorating", 0},
      {"ReadMemberCount", ReadMemberCountRequest(), BodyStyle::Raw, "label1", 0},
      {"ReadBalance", ReadBalanceRequest("a"), BodyStyle::List, "nick,labelzanread", 0},
      {"SaveBalance", SaveBalanceRequest("a", "b", -5), BodyStyle::Raw, "nick,pw,labelzansave,R04", 0},
      {"ReadProfile", ReadProfileRequest("a"), BodyStyle::List, "nick,labelinforead", 0},
      {"SaveProfile", SaveProfileRequest("a", "b", {}), BodyStyle::Raw,
       "nick,pw,labelinfosave,namei,name2,about,telephone,emailo,website,skype,ok,vk,telegram,facebook,twitter,"
       "instagramm,youtube",
       0},
      {"ReadGameRecord", ReadGameRecordRequest("a", "b"), BodyStyle::List, "nick,pw,crdtavlobest", 0},
      {"SaveGameRecord", SaveGameRecordRequest("a", "b", {}), BodyStyle::Raw,
       "nick,pw,crdtavlokon,crdtavlobest,crdtavlorating,crdtavloses,crdtavlokonl,crdtavloscore,crdtavloR1,crdtavloR2",
       0},
      {"ReadWorldTable", ReadWorldTableRequest(59), BodyStyle::List, "gid", 3000},
      {"ReadWorldCount", ReadWorldCountRequest(59), BodyStyle::List, "rgid", 0},
      {"ReadWorldAround", ReadWorldAroundRequest(59, "a", "b"), BodyStyle::Raw, "gid,nick,city", 3000},
      {"SubmitWorldRow", SubmitWorldRowRequest(row), BodyStyle::Raw, "gid,nick,city,country,score,R7,R8,R9,R10", 0},
      {"ReadTables", ReadTablesRequest(), BodyStyle::List, "readtable410,gid", 3000},
      {"SetSeat", SetSeatRequest(3, 2, 1, client), BodyStyle::Raw,
       "client4on2,gid,num,can,nick2,score2,kon2,rating2,country2,city2,sex2,ip2", 0},
      {"ReadSeat", ReadSeatRequest(3, 2), BodyStyle::List, "readclient2,gid,num", 0},
      {"ReadServerInfo", ReadServerInfoRequest(), BodyStyle::List, "serverinforead,gid", 0},
      {"ReadTourRating", ReadTourRatingRequest("a"), BodyStyle::Raw, "readrating59,nick", 0},
      {"ReadTourTopTen", ReadTourTopTenRequest('r'), BodyStyle::List, "top10r59,nick", 0},
      {"ReadTourPlace", ReadTourPlaceRequest('k', 3), BodyStyle::Raw, "placek59,kon1", 0},
      {"ReadGlobalStats", ReadGlobalStatsRequest(), BodyStyle::List, "gid", 3000},
      {"CountStart", CountStartRequest(true), BodyStyle::Raw, "gid,stat1,stat2", 0},
      {"SendLike", SendLikeRequest(1, "Ann"), BodyStyle::Raw, "gid,stat3,stat4", 0},
      {"SendGameStats", SendGameStatsRequest({}), BodyStyle::Raw, "gid,R1,R2,R3,R4,R5,R6,R7,R8,R9,R10,R11,R12", 0},
  };
  for (const RequestCase& c : cases) {
    EXPECT_EQ(Names(c.request), c.fields) << c.name;
    EXPECT_EQ(c.request.Style, c.style) << c.name;
    EXPECT_EQ(c.request.TimeoutMs, c.timeout) << c.name;
  }
}

TEST(ClubRequests, ValuesAsTheServiceReadsThem) {
  TZanRecord row;
  row.GID = 359;
  row.R10 = "hello";
  const ClubRequest world = SubmitWorldRowRequest(row, "secret");
  EXPECT_EQ(*world.Value("R8"), "5.7f");
  EXPECT_EQ(*world.Value("R10"), "hello*");
  EXPECT_EQ(*world.Value("pw"), "secret");

  TInfo14 info;
  info.About = "a$b~c";
  EXPECT_EQ(*SaveProfileRequest("a", "b", info).Value("about"), "a b c");

  EXPECT_EQ(*CountStartRequest(false).Value("stat2"), "0");
  EXPECT_EQ(*SetSeatRequest(1, 4, 0, TZanClient{}).Value("client4on4"), "0");
  EXPECT_EQ(*ReadTourPlaceRequest('s', -2).Value("score1"), "-2");

  TZanGame game;
  game.Rating = -24.9;
  EXPECT_EQ(*SaveGameRecordRequest("a", "b", game).Value("crdtavlorating"), "-24.9");

  const std::string jpeg("\xFF\xD8\xFF\x98\x00", 5);
  EXPECT_EQ(UploadPhotoRequest("a", "b", jpeg).Body(), "nick=a&pw=b&photo=%FF%D8%FF%98%00");
}

}  // namespace
}  // namespace tavlo
