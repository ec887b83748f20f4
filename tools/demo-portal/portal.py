#!/usr/bin/env python3
"""Demo Orvel portal on loopback: every page and endpoint the Velmoor shell talks to.

    python3 tools/demo-portal/portal.py --port 8765 [--log reports.jsonl]

Start the shell with VELMOOR_PORTAL=http://127.0.0.1:8765 and all portal sites resolve here, so
the launcher, the game window, the pay panel and the customer-service window work offline.
Usage reports and heartbeats are written as JSON lines to --log (or stderr).
"""

import argparse
import datetime
import hashlib
import html
import json
import sys
import threading
import urllib.parse
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

GAME = "tavu"
REPORT_SALT = "Rk%wTb&HzNdq"
PRODUCT = "维摩尔 Velmoor"

# (server id, name, state tag)
SERVERS = [
    ("S4", "龙脊要塞", "新服"),
    ("S3", "暮光林地", "火爆"),
    ("S2", "苍蓝海湾", "流畅"),
    ("S1", "金穹圣域", "流畅"),
]


# --- page rendering ----------------------------------------------------------------------------

def render(template, **values):
    """Fills {{name}} with the HTML-escaped value and {{js:name}} with a JavaScript literal."""
    for key, value in values.items():
        literal = json.dumps(value, ensure_ascii=False).replace("</", "<\\/")
        template = template.replace("{{js:%s}}" % key, literal)
        template = template.replace("{{%s}}" % key, html.escape(str(value)))
    return template


PAGE = """<!DOCTYPE html>
<html lang="zh-CN">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>{{title}}</title>
<link rel="stylesheet" href="/portal.css">
</head>
<body class="{{body_class}}">
{{{content}}}
<script>
// Calls into the shell through window.external; in an ordinary browser there is no such
// object, so every call is guarded and reports whether it reached the shell.
function shell(method) {
  var args = Array.prototype.slice.call(arguments, 1);
  try {
    var ext = window.external;
    var value = ext[method].apply(ext, args);
    return {ok: true, value: value};
  } catch (e) {
    return {ok: false, value: undefined};
  }
}
function toast(text) {
  var t = document.getElementById('toast');
  if (!t) { return; }
  t.textContent = text;
  t.className = 'toast show';
  clearTimeout(toast.timer);
  toast.timer = setTimeout(function () { t.className = 'toast'; }, 2200);
}
</script>
{{{script}}}
<div id="toast" class="toast"></div>
</body>
</html>
"""


def page(title, content, script="", body_class=""):
    text = render(PAGE, title=title, body_class=body_class)
    return text.replace("{{{content}}}", content).replace("{{{script}}}", script)


CSS = """
:root {
  --night: #070d22; --deep: #0c1838; --blue: #15295a; --line: #2a437e;
  --gold: #d9b45a; --gold-hi: #f6e2a4; --text: #e7ebf6; --dim: #97a3c4; --red: #e06a5b;
}
* { box-sizing: border-box; }
html, body { margin: 0; padding: 0; }
body {
  font: 13px/1.5 "Microsoft YaHei", "PingFang SC", "Noto Sans CJK SC", "WenQuanYi Micro Hei", sans-serif;
  color: var(--text);
  background: radial-gradient(ellipse at 50% -10%, #24407e 0%, var(--deep) 45%, var(--night) 100%) fixed;
  min-height: 100vh;
}
a { color: var(--gold-hi); text-decoration: none; }
a:hover { text-decoration: underline; }
h1, h2, h3 { font-weight: normal; color: var(--gold-hi); margin: 0; letter-spacing: 2px; }
.crest { font-family: Georgia, "Times New Roman", serif; color: var(--gold); text-shadow: 0 0 8px rgba(217,180,90,.5); }
.panel {
  background: linear-gradient(180deg, rgba(27,48,100,.92), rgba(11,22,52,.95));
  border: 1px solid var(--gold); border-radius: 6px;
  box-shadow: 0 0 0 1px rgba(0,0,0,.6), 0 6px 24px rgba(0,0,0,.55), inset 0 0 18px rgba(217,180,90,.12);
}
.btn {
  display: inline-block; cursor: pointer; border: 1px solid var(--gold); border-radius: 4px;
  padding: 6px 14px; color: #2a1a00; font: inherit; font-weight: bold; letter-spacing: 1px; white-space: nowrap;
  background: linear-gradient(180deg, var(--gold-hi), var(--gold) 55%, #a47b26);
  box-shadow: 0 2px 0 #5b4210, 0 0 10px rgba(217,180,90,.35);
}
.btn:hover { filter: brightness(1.08); text-decoration: none; }
.btn:active { transform: translateY(1px); box-shadow: 0 1px 0 #5b4210; }
.btn.ghost { background: transparent; color: var(--gold-hi); box-shadow: none; font-weight: normal; }
.btn.small { padding: 2px 8px; font-size: 12px; }
input[type=text], input[type=password] {
  width: 100%; padding: 6px 8px; border-radius: 3px; font: inherit; color: var(--text);
  background: rgba(4,10,30,.75); border: 1px solid var(--line); outline: none;
}
input:focus { border-color: var(--gold); box-shadow: 0 0 6px rgba(217,180,90,.4); }
label { display: block; color: var(--dim); font-size: 12px; margin: 6px 0 2px; }
.muted { color: var(--dim); font-size: 12px; }
.tag { display: inline-block; font-size: 11px; padding: 0 6px; border-radius: 8px; border: 1px solid var(--line); color: var(--dim); }
.tag.hot { color: #ffd2c8; border-color: var(--red); background: rgba(224,106,91,.2); }
.tag.new { color: #d6ffd2; border-color: #5fbf62; background: rgba(95,191,98,.18); }
.toast {
  position: fixed; left: 50%; bottom: 18px; transform: translateX(-50%); opacity: 0;
  transition: opacity .3s; pointer-events: none; padding: 6px 14px; border-radius: 4px;
  background: rgba(5,10,28,.92); border: 1px solid var(--gold); color: var(--gold-hi); font-size: 12px;
  white-space: nowrap;
}
.toast.show { opacity: 1; }
hr.gold { border: 0; height: 1px; background: linear-gradient(90deg, transparent, var(--gold), transparent); margin: 8px 0; }

/* access page: fits the launcher's 546 x 384 web area */
body.access { overflow: hidden; }
.access .frame { width: 546px; height: 384px; margin: 0 auto; padding: 12px 16px; display: flex; flex-direction: column; }
.access header { display: flex; align-items: baseline; justify-content: space-between; }
.access header h1 { font-size: 20px; }
.access .view { flex: 1; margin-top: 10px; padding: 12px 16px; overflow: hidden; }
.access .login { display: flex; gap: 18px; }
.access .login form { flex: 1; }
.access .login .aside { width: 170px; border-left: 1px solid var(--line); padding-left: 14px; }
.access .row { display: flex; gap: 8px; align-items: center; margin-top: 12px; }
.access .servers { list-style: none; margin: 6px 0 0; padding: 0; }
.access .servers li {
  display: flex; align-items: center; justify-content: space-between; cursor: pointer;
  padding: 5px 10px; margin-bottom: 5px; border: 1px solid var(--line); border-radius: 4px;
  background: rgba(7,15,40,.6);
}
.access .servers li:hover { border-color: var(--gold); background: rgba(217,180,90,.12); }
.access .servers .name { color: var(--gold-hi); }
.access .toolbar { display: flex; gap: 6px; flex-wrap: wrap; margin-top: 6px; }
.access footer { display: flex; justify-content: space-between; margin-top: 6px; font-size: 11px; color: var(--dim); }
.hidden { display: none !important; }

/* game page */
body.game { overflow: hidden; background: #02050f; }
.game canvas { position: fixed; inset: 0; width: 100vw; height: 100vh; display: block; }
.game .hud { position: fixed; left: 16px; top: 12px; padding: 8px 14px; }
.game .hud h2 { font-size: 18px; }
.game .bar { position: fixed; right: 16px; bottom: 14px; padding: 6px 12px; font-size: 12px; }

/* pay page, also as the 238 x 270 panel under the game window's title bar */
.pay .wrap { max-width: 640px; margin: 30px auto; padding: 20px 24px; }
.pay .amounts { display: grid; grid-template-columns: repeat(4, 1fr); gap: 8px; margin: 12px 0; }
.pay .amount { text-align: center; padding: 8px 0; border: 1px solid var(--line); border-radius: 4px; cursor: pointer; }
.pay .amount.on, .pay .amount:hover { border-color: var(--gold); color: var(--gold-hi); background: rgba(217,180,90,.14); }
.pay .qr { width: 132px; height: 132px; margin: 8px auto; background: #fff; padding: 6px; border-radius: 4px; }
.pay .qr canvas { width: 120px; height: 120px; image-rendering: pixelated; }
.pay .actions { display: flex; justify-content: space-between; align-items: center; }
@media (max-width: 300px) {
  .pay .wrap { margin: 0; padding: 6px 8px; border-radius: 0; min-height: 100vh; }
  .pay h2 { font-size: 14px; }
  .pay .amounts { grid-template-columns: repeat(4, 1fr); gap: 3px; margin: 5px 0; }
  .pay .amount { padding: 2px 0; font-size: 11px; }
  .pay .qr { width: 104px; height: 104px; margin: 4px auto; padding: 4px; }
  .pay .qr canvas { width: 96px; height: 96px; }
  .pay .hint, .pay .wide { display: none; }
  .pay .btn { padding: 3px 8px; font-size: 12px; }
}

/* customer-service page below the notice window's 30-pixel title bar (831 x 643) */
.kefu .wrap { display: flex; height: 100vh; padding: 10px; gap: 10px; }
.kefu .chat { flex: 1; display: flex; flex-direction: column; padding: 10px; }
.kefu .log { flex: 1; overflow-y: auto; padding: 6px; background: rgba(3,8,24,.55); border-radius: 4px; border: 1px solid var(--line); }
.kefu .msg { margin: 6px 0; max-width: 78%; padding: 6px 10px; border-radius: 6px; }
.kefu .msg.agent { background: rgba(217,180,90,.16); border: 1px solid rgba(217,180,90,.5); }
.kefu .msg.me { margin-left: auto; background: rgba(60,100,190,.35); border: 1px solid var(--line); }
.kefu .send { display: flex; gap: 8px; margin-top: 8px; }
.kefu .side { width: 220px; padding: 12px; }
.kefu .side .btn { display: block; width: 100%; margin-top: 8px; text-align: center; }

/* official site and forum */
.site header.top { display: flex; align-items: center; justify-content: space-between; padding: 12px 40px; border-bottom: 1px solid var(--line); background: rgba(5,10,28,.7); }
.site nav a { margin-left: 22px; }
.site .hero { text-align: center; padding: 80px 20px 60px; }
.site .hero h1 { font-size: 46px; letter-spacing: 8px; }
.site .hero p { color: var(--dim); font-size: 16px; }
.site .grid { display: grid; grid-template-columns: repeat(3, 1fr); gap: 18px; max-width: 980px; margin: 0 auto 40px; padding: 0 20px; }
.site .card { padding: 16px 18px; }
.site .threads { max-width: 980px; margin: 20px auto; padding: 10px 20px; }
.site .threads table { width: 100%; border-collapse: collapse; }
.site .threads td, .site .threads th { padding: 8px; border-bottom: 1px solid var(--line); text-align: left; }
.site .threads th { color: var(--gold); font-weight: normal; }
"""


# --- access page ----------------------------------------------------------------------------

ACCESS_CONTENT = """
<div class="frame">
  <header>
    <h1 class="crest">维摩尔 · VELMOOR</h1>
    <span class="muted">Orvel 游戏平台</span>
  </header>

  <section id="loginView" class="view panel">
    <div class="login">
      <form id="loginForm" autocomplete="off">
        <h3 id="formTitle">账号登录</h3>
        <label for="account">账号</label>
        <input type="text" id="account" maxlength="32" placeholder="请输入账号">
        <label for="password">密码</label>
        <input type="password" id="password" maxlength="32" placeholder="请输入密码">
        <div class="row">
          <button class="btn" type="submit" id="submit">登 录</button>
          <a href="#" id="switchMode">没有账号？立即注册</a>
        </div>
        <div class="muted" id="formHint" style="margin-top:8px">演示平台：任意账号和密码都可登录。</div>
      </form>
      <div class="aside">
        <h3>公告</h3>
        <hr class="gold">
        <div class="muted">龙脊要塞 今日 10:00 火爆开启，首充双倍，登录即送坐骑“金鬃狮鹫”。</div>
        <hr class="gold">
        <a href="/" target="_blank">访问官网 »</a><br>
        <a href="/forum.php?mod=forumdisplay&amp;fid=185" target="_blank">玩家论坛 »</a>
      </div>
    </div>
  </section>

  <section id="serverView" class="view panel hidden">
    <div style="display:flex;justify-content:space-between;align-items:baseline">
      <h3>选择服务器</h3>
      <span class="muted">欢迎，<span id="who"></span> · <a href="#" id="logout">切换账号</a></span>
    </div>
    <ul class="servers" id="servers"></ul>
    <div class="toolbar">
      <button class="btn small" id="quick">快速进入推荐服</button>
      <a class="btn small ghost" id="gameLink" href="#">直接进入最新服</a>
      <button class="btn small ghost" id="pay">充值</button>
      <button class="btn small ghost" id="service">联系客服</button>
      <a class="btn small ghost" href="/" target="_blank">官网</a>
    </div>
  </section>

  <footer>
    <span id="status">正在检测客户端…</span>
    <span>uid {{uid}} · suid {{suid}}</span>
  </footer>
</div>
"""

ACCESS_SCRIPT = """
<script>
var ORIGIN = location.protocol + '//' + location.host;
var SERVERS = {{js:servers}};
var UID = {{js:uid}};
var SUID = {{js:suid}};
var registering = false;

function gameUrl(server) {
  return ORIGIN + '/game/play/?sid=' + encodeURIComponent(server[0]) +
         '&server=' + encodeURIComponent(server[1]) +
         '&user=' + encodeURIComponent(currentAccount());
}
function payUrl() { return ORIGIN + '/pay/?g=tavu&uid=' + encodeURIComponent(UID); }
function currentAccount() { return document.getElementById('account').value || 'guest'; }

// The customer-service user record: seven fields, each followed by "|" (account, user id,
// game id, server id, server name, channel, level).
function serviceRecord(server) {
  var account = currentAccount().replace(/\|/g, '');
  return [account, UID || '10001', 'tavu', server[0], server[1], SUID || '0', '32'].join('|') + '|';
}

function showValue(r, fallback) {
  return new Promise(function (done) {
    if (!r.ok) { done(fallback); return; }
    Promise.resolve(r.value).then(function (v) { done(v === undefined || v === null ? fallback : String(v)); },
                                  function () { done(fallback); });
  });
}

function updateStatus() {
  var api = shell('WD_JAPI', 'getApiVersion');
  var client = shell('WD_JAPI', 'getClientVersion');
  Promise.all([showValue(api, '?'), showValue(client, '?')]).then(function (v) {
    document.getElementById('status').textContent = (api.ok || client.ok)
      ? '客户端已连接 · 接口版本 ' + v[0] + ' · 客户端版本 ' + v[1]
      : '浏览器模式（未检测到客户端）';
  });
}

// Two ways to start the game, as the portal's pages use them.
function openGame(server) {
  var url = gameUrl(server);
  var r = shell('WD_JAPI', 'OpenGame', url + '|' + server[0] + '|' + server[1]);
  afterOpen(r, server, url);
}
function openGameWindowNew(server) {
  var url = gameUrl(server);
  var r = shell('OpenGameWindowNew', url, server[0], server[1], 0);
  afterOpen(r, server, url);
}
function afterOpen(r, server, url) {
  if (!r.ok) { location.href = url; return; }
  shell('WD_JAPI', 'ShowIM', serviceRecord(server));
  toast('正在进入 ' + server[1] + ' …');
}

function loggedIn(name) {
  document.getElementById('who').textContent = name;
  document.getElementById('loginView').classList.add('hidden');
  document.getElementById('serverView').classList.remove('hidden');
  // The game window's pay button uses this address.
  shell('WD_JAPI', 'openPay', payUrl());
  try { sessionStorage.setItem('velmoorAccount', name); } catch (e) {}
  var newest = SERVERS[0];
  document.getElementById('gameLink').href = gameUrl(newest) + '&client=1';
}

function buildServers() {
  var list = document.getElementById('servers');
  SERVERS.forEach(function (s, i) {
    var li = document.createElement('li');
    var tagClass = s[2] === '新服' ? 'tag new' : (s[2] === '火爆' ? 'tag hot' : 'tag');
    li.innerHTML = '<span><span class="muted">' + s[0] + '</span> <span class="name"></span></span>' +
                   '<span class="' + tagClass + '"></span>';
    li.querySelector('.name').textContent = s[1];
    li.querySelector('.tag').textContent = s[2];
    li.title = i % 2 ? 'OpenGameWindowNew' : 'WD_JAPI OpenGame';
    li.onclick = function () { (i % 2 ? openGameWindowNew : openGame)(s); };
    list.appendChild(li);
  });
}

document.getElementById('switchMode').onclick = function (e) {
  e.preventDefault();
  registering = !registering;
  document.getElementById('formTitle').textContent = registering ? '注册新账号' : '账号登录';
  document.getElementById('submit').textContent = registering ? '注册并登录' : '登 录';
  this.textContent = registering ? '已有账号？返回登录' : '没有账号？立即注册';
};
document.getElementById('loginForm').onsubmit = function (e) {
  e.preventDefault();
  var name = document.getElementById('account').value.trim();
  var pass = document.getElementById('password').value;
  if (!name || !pass) { toast('请输入账号和密码'); return; }
  if (registering) {
    shell('WD_JAPI', 'AccountRegisterSuccess', '1');
    toast('注册成功，欢迎来到维摩尔！');
  }
  loggedIn(name);
};
document.getElementById('logout').onclick = function (e) {
  e.preventDefault();
  try { sessionStorage.removeItem('velmoorAccount'); } catch (err) {}
  document.getElementById('serverView').classList.add('hidden');
  document.getElementById('loginView').classList.remove('hidden');
};
document.getElementById('quick').onclick = function () { openGameWindowNew(SERVERS[0]); };
document.getElementById('pay').onclick = function () {
  var r = shell('WD_JAPI', 'openPay', payUrl());
  if (r.ok) { toast('已设置充值地址，进入游戏后点击“扫码支付”'); } else { window.open(payUrl()); }
};
document.getElementById('service').onclick = function () {
  var r = shell('WD_JAPI', 'ShowIM', serviceRecord(SERVERS[0]));
  toast(r.ok ? '客服信息已发送，进入游戏后点击 VIP 图标' : '请在客户端中使用客服');
};

buildServers();
updateStatus();
// Back from the game page (or a refresh by the launcher): stay logged in.
(function () {
  var saved = null;
  try { saved = sessionStorage.getItem('velmoorAccount'); } catch (e) {}
  if (saved) { document.getElementById('account').value = saved; loggedIn(saved); }
})();
</script>
"""


def access_page(query):
    uid = first(query, "uid")
    suid = first(query, "suid")
    servers = [list(s) for s in SERVERS]
    content = render(ACCESS_CONTENT, uid=uid or "-", suid=suid or "-")
    script = render(ACCESS_SCRIPT, servers=servers, uid=uid, suid=suid)
    return page("维摩尔 - 登录", content, script, "access")


# --- game page --------------------------------------------------------------------------------

GAME_CONTENT = """
<canvas id="sky"></canvas>
<div class="hud panel">
  <h2 class="crest">{{server}}</h2>
  <div class="muted">勇者 <b style="color:var(--gold-hi)">{{user}}</b> · 服务器 {{sid}}</div>
</div>
<div class="bar panel">
  <a id="reload" href="#">client://loadgame 重新载入</a>
  <span class="muted"> · F9 刷新游戏</span>
</div>
"""

GAME_SCRIPT = """
<script>
// Opened from the access page's game link, this page also loads in the launcher's own browser;
// there (and only there) window.external answers, so step back to the access page.
if (/[?&]client=1(&|$)/.test(location.search) && shell('WD_JAPI', 'getApiVersion').ok) {
  history.back();
}

// The game window loads whatever follows "http:" in a client://loadgame address.
var link = document.getElementById('reload');
if (location.protocol === 'http:') {
  var inner = new URL(location.href);
  inner.searchParams.delete('client');
  inner.searchParams.set('reload', String(Date.now()));
  link.href = 'client://loadgame?url=' + inner.href;
} else {
  link.textContent = 'client://loadgame 仅支持 http';
}

var canvas = document.getElementById('sky');
var ctx = canvas.getContext('2d');
var stars = [], embers = [], t0 = performance.now();
function resize() {
  canvas.width = innerWidth; canvas.height = innerHeight;
  stars = [];
  for (var i = 0; i < 160; i++) {
    stars.push({x: Math.random() * canvas.width, y: Math.random() * canvas.height * 0.7,
                r: Math.random() * 1.4 + 0.2, p: Math.random() * 6.28});
  }
}
function ember() {
  return {x: Math.random() * canvas.width, y: canvas.height + 10, v: 0.4 + Math.random() * 1.2,
          r: 1 + Math.random() * 2.5, drift: Math.random() * 2 - 1};
}
function frame(now) {
  var t = (now - t0) / 1000, w = canvas.width, h = canvas.height;
  var g = ctx.createLinearGradient(0, 0, 0, h);
  g.addColorStop(0, '#050b24'); g.addColorStop(0.6, '#13295c'); g.addColorStop(1, '#2b1e3a');
  ctx.fillStyle = g; ctx.fillRect(0, 0, w, h);
  stars.forEach(function (s) {
    ctx.globalAlpha = 0.5 + 0.5 * Math.sin(t * 2 + s.p);
    ctx.fillStyle = '#f6e2a4'; ctx.beginPath(); ctx.arc(s.x, s.y, s.r, 0, 6.283); ctx.fill();
  });
  ctx.globalAlpha = 1;
  // the rune circle
  var cx = w / 2, cy = h * 0.55, R = Math.min(w, h) * 0.22;
  ctx.save(); ctx.translate(cx, cy);
  ctx.shadowColor = '#d9b45a'; ctx.shadowBlur = 18; ctx.strokeStyle = '#d9b45a'; ctx.lineWidth = 2;
  for (var ring = 0; ring < 3; ring++) {
    ctx.save(); ctx.rotate(t * (ring % 2 ? -0.3 : 0.2) * (ring + 1));
    ctx.beginPath(); ctx.arc(0, 0, R * (1 - ring * 0.22), 0, 6.283); ctx.stroke();
    var n = 6 + ring * 3;
    ctx.beginPath();
    for (var k = 0; k <= n; k++) {
      var a = k * 6.283 / n * (ring === 1 ? 2 : 1), rr = R * (1 - ring * 0.22);
      ctx[k ? 'lineTo' : 'moveTo'](Math.cos(a) * rr, Math.sin(a) * rr);
    }
    ctx.stroke(); ctx.restore();
  }
  ctx.restore();
  // castle silhouette
  ctx.fillStyle = '#050914';
  ctx.beginPath(); ctx.moveTo(0, h);
  for (var x = 0; x <= w; x += 40) {
    var top = h * 0.82 - (Math.sin(x * 0.013) + 1) * 18 - ((x / 40) % 5 === 2 ? 70 : 0);
    ctx.lineTo(x, top); ctx.lineTo(x + 20, top); ctx.lineTo(x + 20, top + 10); ctx.lineTo(x + 40, top + 10);
  }
  ctx.lineTo(w, h); ctx.fill();
  // embers rising
  if (embers.length < 70) { embers.push(ember()); }
  embers.forEach(function (e, i) {
    e.y -= e.v; e.x += Math.sin(t + i) * 0.3 + e.drift * 0.2;
    ctx.globalAlpha = Math.max(0, Math.min(1, e.y / h));
    ctx.fillStyle = '#ffb347'; ctx.beginPath(); ctx.arc(e.x, e.y, e.r, 0, 6.283); ctx.fill();
    if (e.y < -10) { embers[i] = ember(); }
  });
  ctx.globalAlpha = 1;
  requestAnimationFrame(frame);
}
addEventListener('resize', resize);
resize();
requestAnimationFrame(frame);
</script>
"""


def game_page(query):
    sid = first(query, "sid") or "S1"
    names = dict((s[0], s[1]) for s in SERVERS)
    server = first(query, "server") or names.get(sid, sid)
    user = first(query, "user") or "guest"
    content = render(GAME_CONTENT, server=server, sid=sid, user=user)
    return page("%s - %s" % (PRODUCT, server), content, GAME_SCRIPT, "game")


# --- payment ----------------------------------------------------------------------------------

PAY_CONTENT = """
<div class="wrap panel">
  <div class="actions">
    <h2 class="crest">充值中心</h2>
    <button class="btn small ghost" id="close" title="closedBox">关闭</button>
  </div>
  <div class="hint muted">为账号充值元宝，1 元 = 10 元宝。</div>
  <div class="amounts" id="amounts"></div>
  <div class="qr"><canvas id="qr" width="25" height="25"></canvas></div>
  <div class="actions">
    <span class="muted" id="sum"></span>
    <button class="btn" id="paid">我已支付</button>
  </div>
  <div class="wide muted" style="margin-top:10px">扫码支付（演示，不会产生真实交易） · 游戏 {{game}}</div>
</div>
"""

PAY_SCRIPT = """
<script>
var amounts = [10, 50, 100, 500], chosen = 50;
function drawQr(salt) {
  var c = document.getElementById('qr').getContext('2d'), n = 25, s = salt * 9301 + 49297;
  c.fillStyle = '#fff'; c.fillRect(0, 0, n, n); c.fillStyle = '#0c1838';
  for (var y = 0; y < n; y++) for (var x = 0; x < n; x++) {
    s = (s * 9301 + 49297) % 233280;
    var finder = (x < 7 || x > 17) && y < 7 || x < 7 && y > 17;
    var ring = finder && (x % 18 === 0 || x % 18 === 6 || y % 18 === 0 || y % 18 === 6 ||
               (x % 18 > 1 && x % 18 < 5 && y % 18 > 1 && y % 18 < 5));
    if (finder ? ring : s / 233280 < 0.5) { c.fillRect(x, y, 1, 1); }
  }
}
function choose(v) {
  chosen = v;
  document.querySelectorAll('.amount').forEach(function (a) { a.classList.toggle('on', +a.dataset.v === v); });
  document.getElementById('sum').textContent = v + ' 元 → ' + v * 10 + ' 元宝';
  drawQr(v);
}
amounts.forEach(function (v) {
  var a = document.createElement('div');
  a.className = 'amount'; a.dataset.v = v; a.textContent = v + '元';
  a.onclick = function () { choose(v); };
  document.getElementById('amounts').appendChild(a);
});
function closeBox() {
  if (!shell('WD_JAPI', 'closedBox').ok) { window.close(); }
}
document.getElementById('close').onclick = closeBox;
document.getElementById('paid').onclick = function () {
  toast('支付成功，' + chosen * 10 + ' 元宝已到账');
  setTimeout(closeBox, 1500);
};
choose(chosen);
</script>
"""


def pay_page(query):
    content = render(PAY_CONTENT, game=first(query, "g") or GAME)
    return page("Orvel 充值中心", content, PAY_SCRIPT, "pay")


# --- customer service -------------------------------------------------------------------------

KEFU_CONTENT = """
<div class="wrap">
  <section class="chat panel">
    <h3>在线客服</h3>
    <div class="log" id="log"></div>
    <form class="send" id="send" autocomplete="off">
      <input type="text" id="text" placeholder="请描述您遇到的问题，按回车发送">
      <button class="btn" type="submit">发送</button>
    </form>
  </section>
  <aside class="side panel">
    <h3>服务台</h3>
    <hr class="gold">
    <div class="muted">客服 小月 · 工号 1024<br>服务时间 9:00 - 24:00</div>
    <button class="btn ghost" id="online" title="DialogBoxTopInfo">客服上线</button>
    <button class="btn ghost" id="offline" title="DialogBoxTopInfo">客服离线</button>
    <button class="btn ghost" id="nobody" title="DialogBoxTopInfo">无人值守</button>
    <button class="btn" id="end" title="API_close">结束会话</button>
    <button class="btn ghost" id="selfclose" title="window.close">关闭页面</button>
    <hr class="gold">
    <a href="/forum.php?mod=forumdisplay&amp;fid=185" target="_blank">常见问题 »</a>
  </aside>
</div>
"""

KEFU_SCRIPT = """
<script>
var AGENT = '小月';
function say(who, text) {
  var d = document.createElement('div');
  d.className = 'msg ' + who; d.textContent = text;
  var log = document.getElementById('log');
  log.appendChild(d); log.scrollTop = log.scrollHeight;
}
// Head line of the notice window: name | status | further text.
function online() { shell('WD_JAPI', 'DialogBoxTopInfo', AGENT + '|在线|工号1024'); }
document.getElementById('online').onclick = online;
document.getElementById('offline').onclick = function () {
  shell('WD_JAPI', 'DialogBoxTopInfo', AGENT + '|离线|稍后回复');
};
document.getElementById('nobody').onclick = function () {
  shell('WD_JAPI', 'DialogBoxTopInfo', 'undefined|在线|');
};
document.getElementById('end').onclick = function () {
  if (!shell('API_close').ok) { toast('会话已结束'); }
};
document.getElementById('selfclose').onclick = function () { window.close(); };
document.getElementById('send').onsubmit = function (e) {
  e.preventDefault();
  var input = document.getElementById('text'), text = input.value.trim();
  if (!text) { return; }
  say('me', text); input.value = '';
  setTimeout(function () {
    say('agent', '收到，您反馈的“' + text.slice(0, 20) + '”已记录，我们会尽快处理。');
  }, 700);
};
say('agent', '您好，我是客服' + AGENT + '，很高兴为您服务！');
setTimeout(online, 800);
</script>
"""


def kefu_page(query):
    return page("Orvel 客服中心", KEFU_CONTENT, KEFU_SCRIPT, "kefu")


# --- official site and forum -------------------------------------------------------------------

SITE_HEADER = """
<header class="top">
  <span class="crest" style="font-size:22px">维摩尔 · VELMOOR</span>
  <nav><a href="/">官网首页</a><a href="/?g=tavu">充值中心</a><a href="/kefu/">客服中心</a>
  <a href="/forum.php?mod=forumdisplay&amp;fid=185">玩家论坛</a></nav>
</header>
"""

HOME_CONTENT = SITE_HEADER + """
<section class="hero">
  <h1 class="crest">维摩尔</h1>
  <p>群星坠落之地，金色王座等待新的主人。</p>
  <a class="btn" href="/game/s/wdAccess/?name=tavu&amp;uid=&amp;suid=">立即开始冒险</a>
</section>
<section class="grid">
  <div class="card panel"><h3>最新公告</h3><hr class="gold"><div class="muted">龙脊要塞今日火爆开启，首充双倍。</div></div>
  <div class="card panel"><h3>职业介绍</h3><hr class="gold"><div class="muted">圣骑士、星术师、影行者，三大职业各擅胜场。</div></div>
  <div class="card panel"><h3>客户端下载</h3><hr class="gold"><div class="muted">微端体积小巧，一键登录，老板键随时隐藏。</div></div>
</section>
"""

FORUM_THREADS = [
    ("【置顶】新手入门：从零开始的维摩尔之旅", "月下听风", 1280),
    ("龙脊要塞开服攻略，前七天冲级路线", "金鬃狮鹫", 864),
    ("星术师输出手法详解（附天赋加点）", "星落", 532),
    ("公会“苍穹之誓”招募，活跃玩家速来", "誓言", 207),
    ("客户端老板键怎么设置？F10 无效的看这里", "客服小月", 96),
]


def forum_page(query):
    fid = first(query, "fid") or "185"
    rows = "".join(
        "<tr><td><a href=\"#\">%s</a></td><td class=\"muted\">%s</td><td>%d</td></tr>"
        % (html.escape(t), html.escape(a), n) for t, a, n in FORUM_THREADS)
    content = SITE_HEADER + (
        "<section class=\"threads panel\"><h2 class=\"crest\">维摩尔 综合讨论区</h2>"
        "<div class=\"muted\">版块 %s</div><hr class=\"gold\">"
        "<table><tr><th>主题</th><th>作者</th><th>回复</th></tr>%s</table></section>"
        % (html.escape(fid), rows))
    return page("维摩尔 综合讨论区 - Orvel 论坛", content, "", "site")


def home_page(query):
    return page("维摩尔 Velmoor 官方网站", HOME_CONTENT, "", "site")


# --- endpoints --------------------------------------------------------------------------------

class EventLog:
    """Writes one JSON object per line to a file or to stderr, one writer at a time."""

    def __init__(self, path=None):
        self._lock = threading.Lock()
        self._file = open(path, "a", encoding="utf-8") if path else None

    def write(self, record):
        record = dict(record, at=datetime.datetime.now().isoformat(timespec="seconds"))
        text = json.dumps(record, ensure_ascii=False)
        with self._lock:
            stream = self._file or sys.stderr
            stream.write(text + "\n")
            stream.flush()

    def close(self):
        if self._file:
            self._file.close()
            self._file = None


REPORT_FIELDS = ("game", "uid", "event", "constant", "f5", "f6", "f7", "f8", "mac", "time")


def report_signature(line):
    return hashlib.md5((line + REPORT_SALT).encode("utf-8")).hexdigest()


def check_report(raw_value):
    """Splits "<line>|<signature>" and checks the signature. The value is tried as sent and
    percent-decoded, since a client may or may not encode the "|" characters."""
    candidates = [raw_value]
    decoded = urllib.parse.unquote(raw_value)
    if decoded != raw_value:
        candidates.append(decoded)
    for value in candidates:
        line, sep, signature = value.rpartition("|")
        if sep and report_signature(line) == signature:
            return True, line, signature
    line, _, signature = decoded.rpartition("|")
    return False, line, signature


def report_record(valid, line, signature):
    record = {"kind": "report", "valid": valid, "line": line, "signature": signature}
    pieces = line.split("|")
    if len(pieces) == len(REPORT_FIELDS):
        record["fields"] = {k: v for k, v in zip(REPORT_FIELDS, pieces) if not k.startswith("f")}
    return record


def raw_query_value(query_string, key):
    """The raw value of `key`: everything after "key=" up to the next "&" (the report line
    holds no "&")."""
    for part in query_string.split("&"):
        name, sep, value = part.partition("=")
        if sep and name == key:
            return value
    return None


def first(query, key):
    values = query.get(key)
    return values[0] if values else ""


class PortalHandler(BaseHTTPRequestHandler):
    server_version = "OrvelDemo/1.0"

    def do_GET(self):
        self.respond(head_only=False)

    def do_HEAD(self):
        self.respond(head_only=True)

    def respond(self, head_only):
        url = urllib.parse.urlsplit(self.path)
        query = urllib.parse.parse_qs(url.query, keep_blank_values=True)
        status, ctype, body = self.route(url.path, url.query, query)
        data = body.encode("utf-8")
        self.send_response(status)
        self.send_header("Content-Type", ctype)
        self.send_header("Content-Length", str(len(data)))
        self.send_header("Cache-Control", "no-store")
        self.end_headers()
        if not head_only and data:
            self.wfile.write(data)

    def route(self, path, raw_query, query):
        html_type = "text/html; charset=utf-8"
        text_type = "text/plain; charset=utf-8"
        if path == "/":
            if first(query, "m") == "game" and first(query, "c") == "heartbeat":
                return self.heartbeat(query)
            if "g" in query:
                return 200, html_type, pay_page(query)
            return 200, html_type, home_page(query)
        if path in ("/game/s/wdAccess/", "/game/s/wdAccess"):
            return 200, html_type, access_page(query)
        if path in ("/game/play/", "/game/play"):
            return 200, html_type, game_page(query)
        if path in ("/pay/", "/pay"):
            return 200, html_type, pay_page(query)
        if path in ("/kefu/", "/kefu"):
            return 200, html_type, kefu_page(query)
        if path == "/forum.php":
            return 200, html_type, forum_page(query)
        if path == "/receive/vuzazirade":
            return self.report(raw_query)
        if path == "/portal.css":
            return 200, "text/css; charset=utf-8", CSS
        if path == "/favicon.ico":
            return 204, text_type, ""
        return 404, html_type, page("未找到页面", "<div class=\"panel\" style=\"max-width:420px;margin:60px auto;padding:20px\">"
                                    "<h2 class=\"crest\">404</h2><p>页面不存在。</p><a href=\"/\">返回官网</a></div>")

    def heartbeat(self, query):
        self.server.events.write({
            "kind": "heartbeat",
            "userid": first(query, "userid"),
            "g_id": first(query, "g_id"),
            "f_id": first(query, "f_id"),
            "type": first(query, "type"),
        })
        return 200, "text/plain; charset=utf-8", "1"

    def report(self, raw_query):
        value = raw_query_value(raw_query, "log")
        if value is None:
            valid, line, signature = False, "", ""
        else:
            valid, line, signature = check_report(value)
        self.server.events.write(report_record(valid, line, signature))
        if valid:
            return 200, "text/plain; charset=utf-8", "ok"
        return 400, "text/plain; charset=utf-8", "bad signature"

    def log_message(self, fmt, *args):
        if not self.server.quiet:
            sys.stderr.write("portal: %s\n" % (fmt % args))


class PortalServer(ThreadingHTTPServer):
    daemon_threads = True

    def __init__(self, port, log_path=None, quiet=False):
        # Loopback only: the demo portal is never reachable from the network.
        super().__init__(("127.0.0.1", port), PortalHandler)
        self.events = EventLog(log_path)
        self.quiet = quiet

    @property
    def origin(self):
        return "http://127.0.0.1:%d" % self.server_address[1]

    def server_close(self):
        super().server_close()
        self.events.close()


def main(argv=None):
    parser = argparse.ArgumentParser(description="Demo Orvel portal for the Velmoor shell (loopback only).")
    parser.add_argument("--port", type=int, default=8765, help="port on 127.0.0.1 (0 picks a free one)")
    parser.add_argument("--log", help="append usage reports and heartbeats as JSON lines to this file")
    parser.add_argument("--quiet", action="store_true", help="no request log on stderr")
    args = parser.parse_args(argv)
    try:
        server = PortalServer(args.port, args.log, args.quiet)
    except OSError as error:
        sys.stderr.write("portal: cannot listen on 127.0.0.1:%d: %s\n" % (args.port, error))
        return 1
    sys.stderr.write("portal: serving %s (set VELMOOR_PORTAL=%s)\n" % (server.origin, server.origin))
    try:
        server.serve_forever()
    except KeyboardInterrupt:
        pass
    finally:
        server.server_close()
    return 0


if __name__ == "__main__":
    sys.exit(main())
