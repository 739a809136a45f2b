#include "screens/profile_list.h"

#include <algorithm>

#include "app/globals.h"
#include "media/media.h"
#include "screens/profile_store.h"
#include "textdata/numbers.h"
#include "textdata/rcm_file.h"

namespace {

std::string ListPath() {
  return UserDir + "/Profiles/profiles.dat";
}

}  // namespace

int LoadProfileList(std::vector<TProfilePtr>& profiles, int& loadedOnce) {
  loadedOnce = 1;
  ProfilesLoaded = true;
  const std::string path = ListPath();
  if (PathKind(path) == 0 && PathKind(path + ".bak") != 1) return 0;
  auto file = LoadRcmWithFallback(path);
  int act = TruncToInt(file->getFloat("profiles::actProfile", 0));
  int n = TruncToInt(file->getFloat("profiles::i", 0));
  TRCMGroup* group = file->getGroup({"profiles", "i"});
  n = std::min(n, group ? group->_listaWpisow.Count() : 0);
  for (int k = 1; k <= n; ++k) {
    std::string id = file->getString("profiles::profile" + std::to_string(k), 0);
    // Ids become folder names: only what MakeProfileId produces may be used.
    if (!IsProfileId(id)) {
      PrintLine(path + ": skipping profile entry " + std::to_string(k) + " with a bad id");
      continue;
    }
    auto p = LoadProfile(id);
    profiles.push_back(p);
    if (k == act) Profile = p.get();
  }
  return 0;
}

int SaveProfileList(const std::vector<TProfilePtr>& profiles, int loadedOnce) {
  if (loadedOnce == 0) return 0;
  auto file = CreateRCM();
  int act = 0;
  int k = 1;
  int ok = 1;
  for (auto& p : profiles) {
    if (!p->save()) ok = 0;
    if (p.get() == Profile) act = k;
    file->setString("profiles::profile" + std::to_string(k), p->GetMyId(), 0);
    ++k;
  }
  file->setFloat("profiles::actProfile", static_cast<float>(act), 0);
  file->setFloat("profiles::i", static_cast<float>(profiles.size()), 0);
  if (!SaveRcmKeepingGood(*file, ListPath())) ok = 0;
  return ok;
}

TProfilePtr CreateStartProfileIn(std::vector<TProfilePtr>& profiles, const std::string& txtPlayer) {
  auto p = std::make_shared<TProfile>();
  p->name = TrimLowCodes(txtPlayer);
  // An empty name would give the empty id, whose files land in the profiles folder itself.
  if (p->name.empty()) p->name = "PLAYER";
  profiles.push_back(p);
  return p;
}
