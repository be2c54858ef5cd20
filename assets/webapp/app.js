// The Remixery demo web application: talks to the desktop client through the web channel
// object "webBridge" (requests with dataChanged, replies and pushes through contentChanged).
(function () {
  "use strict";

  var query = new URLSearchParams(window.location.search);
  var selftest = query.get("selftest") === "1";
  var bridge = null;
  var callbacks = {};
  var nextCallback = 1;
  var games = [];
  var hosts = {};

  function $(id) { return document.getElementById(id); }

  function send(event, data, ga, onReply) {
    var request = { event: event };
    if (data !== undefined) request.data = data;
    if (ga) request.ga = ga;
    if (onReply) {
      request.callbackEvent = "demo_" + event + "_" + nextCallback++;
      callbacks[request.callbackEvent] = onReply;
    }
    bridge.dataChanged(JSON.stringify(request));
  }

  function logToClient(text) { send("onWebLogger", "[demo] " + text); }

  function addLog(message) {
    var item = document.createElement("li");
    var name = document.createElement("b");
    name.textContent = message.event;
    item.appendChild(name);
    item.appendChild(document.createTextNode(" " + JSON.stringify(message.data || {})));
    var log = $("log");
    log.insertBefore(item, log.firstChild);
    while (log.children.length > 60) log.removeChild(log.lastChild);
  }

  function showUser(token) {
    $("user").textContent = token && token.email ? token.email : "Not signed in";
    $("signIn").style.display = token && token.email ? "none" : "";
  }

  function showInstalled(list) {
    var target = $("installed");
    target.innerHTML = "";
    (list.apps || []).forEach(function (app) {
      var item = document.createElement("li");
      item.textContent = app.package_name;
      target.appendChild(item);
    });
  }

  function showClient(config) {
    var target = $("client");
    target.innerHTML = "";
    Object.keys(config).forEach(function (key) {
      var term = document.createElement("dt");
      term.textContent = key;
      var value = document.createElement("dd");
      value.textContent = typeof config[key] === "object" ? JSON.stringify(config[key]) : String(config[key]);
      target.appendChild(term);
      target.appendChild(value);
    });
  }

  function gameObject(game) {
    return { package_name: game.packageName, game_name: game.name, instance: "Pie64", shareId: "",
             rm_stats_info: { banner_location: "remixery_home" } };
  }

  function cloudGameObject(game) {
    var object = gameObject(game);
    object.cloud_supported = true;
    object.cloud_app_url = (hosts.GameListService || "") + "/farplay/?game=" + encodeURIComponent(game.packageName);
    return object;
  }

  function playWithMods(game, callback) {
    send("installOrPlayAppforVm", gameObject(game), { banner_location: "remixery_home" }, callback || function () {});
  }

  function showGames() {
    var target = $("games");
    target.innerHTML = "";
    $("gamesNote").textContent = games.length ? games.length + " games have mods." : "No game has mods yet.";
    games.forEach(function (game) {
      var card = document.createElement("div");
      card.className = "card";
      card.dataset.package = game.packageName;
      card.innerHTML = "<h3></h3><div class=\"package\"></div><div class=\"engines\"></div><div class=\"buttons\">" +
        "<button type=\"button\" class=\"play\">Play with mods</button>" +
        "<button type=\"button\" class=\"secondary cloud\">Cloud</button></div>";
      card.querySelector("h3").textContent = game.name || game.packageName;
      card.querySelector(".package").textContent = game.packageName;
      card.querySelector(".play").addEventListener("click", function () { playWithMods(game); });
      card.querySelector(".cloud").addEventListener("click", function () {
        send("openFarplay", cloudGameObject(game), { banner_location: "remixery_home" });
      });
      target.appendChild(card);
      send("getVmList", { packageName: game.packageName, method: "play" }, null, function (engines) {
        var names = (engines.installed || []).map(function (e) { return e.name; });
        card.querySelector(".engines").textContent = names.length ? "Installed on " + names.join(", ") : "Not installed yet";
      });
    });
    logToClient("moded games shown: " + games.length);
    if (selftest && games.length) {
      playWithMods(games[0], function () {
        logToClient("selftest reply for installOrPlayAppforVm");
        send("openFarplay", cloudGameObject(games[0]), { banner_location: "remixery_home" });
      });
    }
  }

  function loadGames() {
    var base = hosts.GameListService || "";
    fetch(base + "/api/game/list")
      .then(function (response) { return response.json(); })
      .then(function (list) { games = list.data || []; showGames(); })
      .catch(function (error) {
        $("gamesNote").textContent = "The game list could not be loaded.";
        logToClient("game list failed: " + error);
      });
  }

  function highlight(packageName) {
    Array.prototype.forEach.call(document.querySelectorAll(".card"), function (card) {
      card.classList.toggle("highlight", card.dataset.package === packageName);
    });
  }

  function search(text) {
    var needle = text.toLowerCase();
    return games.filter(function (game) {
      return (game.name || "").toLowerCase().indexOf(needle) >= 0 || game.packageName.toLowerCase().indexOf(needle) >= 0;
    }).map(function (game) {
      return { package_name: game.packageName, game_name: game.name, has_mods: true };
    });
  }

  var pushes = {
    updateLanguage: function (data) { $("language").textContent = data.language; },
    updateUserToken: function (data) { showUser(data); },
    updateInstalledAppsNotification: function (data) { showInstalled(data); },
    clientRealSearch: function (data) { send("pushRealSearchResult", search(data.query || "")); },
    switchToRMGame: function (data) { highlight(data.package); },
    setupMod: function (data) { highlight(data.package); }
  };

  function receive(message) {
    addLog(message);
    var reply = callbacks[message.event];
    if (reply) {
      delete callbacks[message.event];
      reply(message.data || {});
      return;
    }
    if (pushes[message.event]) pushes[message.event](message.data || {});
  }

  function start() {
    send("postWebVersionInfo", { version: "demo-1.0" });
    send("getLanguage", {}, null, function (data) { $("language").textContent = data.language; });
    send("getUserToken", {}, null, showUser);
    send("getInstalledApps", {}, null, showInstalled);
    send("getClientConfig", {}, null, function (config) {
      send("getUserConfig", {}, null, function (user) {
        config.one_button_config = user.one_button_config;
        showClient(config);
      });
    });
    send("getHostConfig", {}, null, function (map) { hosts = map; loadGames(); });
    send("closeBootAnimation");
    logToClient("ready");
  }

  $("signIn").addEventListener("click", function () { send("callClientToLogin"); });
  $("loading").addEventListener("click", function () {
    send("openClientLoading");
    setTimeout(function () { send("closeClientLoading"); }, 1500);
  });
  $("stats").addEventListener("click", function () {
    send("postStats", { table: "RemixeryModEvents", data: { event: "demo_click", games: games.length } });
  });
  $("banner").addEventListener("click", function () {
    send("changeBannerBackgroundImage", { url: (hosts.GameListService || "") + "/remixery/banner.svg", direction: 1 });
  });
  $("share").addEventListener("click", function () { send("openShare", { url: "https://remixery.example/mods/demo" }); });

  new QWebChannel(qt.webChannelTransport, function (channel) {
    bridge = channel.objects.webBridge;
    bridge.contentChanged.connect(receive);
    start();
  });
})();
