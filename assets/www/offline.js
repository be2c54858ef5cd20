// What the offline pages share: the page's texts in the language of its "lang" query item
// (English when that language is not among them), right to left for Arabic.
// texts: language code -> [title, message, button]. Returns the button.
function showOfflineTexts(texts) {
  "use strict";
  var query = new URLSearchParams(window.location.search);
  var lang = (query.get("lang") || "en").toLowerCase();
  var base = lang.split(/[-_]/)[0];
  var chosen = texts[lang] ? lang : (texts[base] ? base : "en");
  var t = texts[chosen];
  document.documentElement.lang = chosen;
  document.documentElement.dir = chosen === "ar" ? "rtl" : "ltr";
  document.body.dataset.location = query.get("location") || "";
  document.title = t[0];
  document.getElementById("title").textContent = t[0];
  document.getElementById("message").textContent = t[1];
  var retry = document.getElementById("retry");
  retry.textContent = t[2];
  return retry;
}
