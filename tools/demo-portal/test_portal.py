#!/usr/bin/env python3
"""Checks that the demo portal answers every address the shell uses and verifies report
signatures. Run: python3 tools/demo-portal/test_portal.py"""

import hashlib
import json
import os
import sys
import tempfile
import threading
import unittest
import urllib.error
import urllib.request

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import portal  # noqa: E402


def signed(line):
    return line + "|" + hashlib.md5((line + "Rk%wTb&HzNdq").encode("utf-8")).hexdigest()


class PortalTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.tmp = tempfile.TemporaryDirectory()
        cls.log_path = os.path.join(cls.tmp.name, "events.jsonl")
        cls.server = portal.PortalServer(0, cls.log_path, quiet=True)
        cls.thread = threading.Thread(target=cls.server.serve_forever, daemon=True)
        cls.thread.start()

    @classmethod
    def tearDownClass(cls):
        cls.server.shutdown()
        cls.server.server_close()
        cls.thread.join()
        cls.tmp.cleanup()

    def get(self, path_and_query):
        try:
            with urllib.request.urlopen(self.server.origin + path_and_query, timeout=10) as reply:
                return reply.status, reply.headers.get("Content-Type", ""), reply.read().decode("utf-8")
        except urllib.error.HTTPError as error:
            return error.code, error.headers.get("Content-Type", ""), error.read().decode("utf-8")

    def events(self):
        with open(self.log_path, encoding="utf-8") as f:
            return [json.loads(line) for line in f if line.strip()]

    def test_listens_on_loopback_only(self):
        self.assertEqual(self.server.server_address[0], "127.0.0.1")

    def test_pages_answer_as_utf8_html(self):
        cases = [
            ("/game/s/wdAccess/?name=tavu&uid=12345&suid=678", ["12345", "678", "OpenGameWindowNew",
                                                               "'OpenGame'", "openPay", "ShowIM",
                                                               "AccountRegisterSuccess", "getApiVersion",
                                                               "getClientVersion", "target=\"_blank\"",
                                                               "client=1"]),
            ("/game/play/?sid=S3&server=%E6%9A%AE%E5%85%89%E6%9E%97%E5%9C%B0", ["暮光林地", "client://loadgame", "<canvas"]),
            ("/?g=tavu", ["充值中心", "closedBox"]),
            ("/pay/?g=tavu", ["closedBox"]),
            ("/kefu/", ["DialogBoxTopInfo", "API_close"]),
            ("/forum.php?mod=forumdisplay&fid=185", ["讨论区", "185"]),
            ("/", ["官方网站"]),
        ]
        for path, needles in cases:
            with self.subTest(path=path):
                status, ctype, body = self.get(path)
                self.assertEqual(status, 200)
                self.assertEqual(ctype, "text/html; charset=utf-8")
                self.assertIn('<meta charset="utf-8">', body)
                for needle in needles:
                    self.assertIn(needle, body)

    def test_page_values_are_escaped(self):
        _, _, body = self.get("/game/s/wdAccess/?name=tavu&uid=%3Cb%3E&suid=%22%3C%2Fscript%3E")
        self.assertIn("uid &lt;b&gt;", body)
        self.assertNotIn('"</script>', body)

    def test_heartbeat_answers_one_and_is_logged(self):
        status, _, body = self.get("/?m=game&c=heartbeat&userid=77&g_id=tavu&f_id=S3&type=cs")
        self.assertEqual((status, body), (200, "1"))
        beats = [e for e in self.events() if e["kind"] == "heartbeat"]
        self.assertIn({"userid": "77", "g_id": "tavu", "f_id": "S3", "type": "cs"},
                      [{k: e[k] for k in ("userid", "g_id", "f_id", "type")} for e in beats])

    def test_report_signature(self):
        line = "tavu|77|1|159372|||||00-1A-2B-3C-4D-5E|999"
        good = signed(line)
        cases = [
            ("as sent", "/receive/vuzazirade?log=" + good, 200, "ok", True),
            ("percent-encoded", "/receive/vuzazirade?log=" + good.replace("|", "%7C"), 200, "ok", True),
            ("wrong digest", "/receive/vuzazirade?log=" + line + "|" + "0" * 32, 400, "bad signature", False),
            ("changed line", "/receive/vuzazirade?log=" + good.replace("|77|", "|78|"), 400, "bad signature", False),
            ("upper-case digest", "/receive/vuzazirade?log=" + line + "|" + good.rsplit("|", 1)[1].upper(),
             400, "bad signature", False),
            ("no log", "/receive/vuzazirade", 400, "bad signature", False),
        ]
        for what, path, status, body, valid in cases:
            with self.subTest(what):
                self.assertEqual(self.get(path)[0::2], (status, body))
                self.assertEqual(self.events()[-1]["valid"], valid)
        record = [e for e in self.events() if e["kind"] == "report" and e["valid"]][-1]
        self.assertEqual(record["line"], line)
        self.assertEqual(record["fields"], {"game": "tavu", "uid": "77", "event": "1", "constant": "159372",
                                            "mac": "00-1A-2B-3C-4D-5E", "time": "999"})

    def test_unknown_path_is_not_found(self):
        self.assertEqual(self.get("/no/such/page")[0], 404)


if __name__ == "__main__":
    unittest.main()
