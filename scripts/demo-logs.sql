-- Log rows of the demo installation (the stand-in's demo fixture has the same
-- ones for its log service): 240 user, 300 terminal and 320 talkback rows,
-- written anew on every start of the demo.
USE talkbacklog;

TRUNCATE TABLE userlog;
INSERT INTO userlog (id, name, ip, time, content)
SELECT seq, ELT((seq - 1) % 2 + 1, 'admin', 'operator'), CONCAT('192.168.1.', 100 + (seq - 1) % 5),
       1715000000 + (seq - 1) * 3600,
       ELT((seq - 1) % 7 + 1, '登录', '退出', '修改终端', '删除任务', '添加方案', '修改系统参数', '备份数据')
FROM seq_1_to_240;

-- Twelve places, each with a talk terminal, an amplifier and a paging mic.
CREATE TEMPORARY TABLE demo_place (n INT PRIMARY KEY, name VARCHAR(32));
INSERT INTO demo_place VALUES (0, '行政楼前台'), (1, '一号教学楼大厅'), (2, '二号教学楼走廊'), (3, '图书馆借阅区'),
    (4, '实验楼三层'), (5, '体育馆看台'), (6, '学生食堂'), (7, '北门保安室'), (8, '南门岗亭'), (9, '报告厅后台'),
    (10, '医务室'), (11, '学生宿舍A栋');

TRUNCATE TABLE terminallog;
INSERT INTO terminallog (id, date, terminalId, name, type, ip, action)
SELECT s.seq, 1715000000 + (s.seq - 1) * 900, IF(s.k < 12, 1001, 2989) + s.k,
       CONCAT(p.name, IF(s.k < 12, '对讲终端', '功放')), IF(s.k < 12, 'Mic02', 'IP'),
       CONCAT(IF(s.k < 12, '192.168.10.', '192.168.30.'), 11 + s.k % 12), ELT((s.seq - 1) % 3 + 1, '上线', '下线', '报警')
FROM (SELECT seq, (seq - 1) % 24 AS k FROM seq_1_to_300) s JOIN demo_place p ON p.n = s.k % 12;

-- Callers and called: the twelve talk terminals, then the twelve paging mics.
TRUNCATE TABLE talklog_bak;
INSERT INTO talklog_bak (id, begin_time, end_time, callerId, calledId, callerName, calledName, type, source_name, recordfile)
SELECT s.seq, s.b, s.b + 30 + s.i % 200, IF(s.a < 12, 1001, 3989) + s.a, IF(s.c < 12, 1001, 3989) + s.c,
       CONCAT(pa.name, IF(s.a < 12, '对讲终端', '寻呼话筒')), CONCAT(pc.name, IF(s.c < 12, '对讲终端', '寻呼话筒')),
       1 + s.i % 4, IF(s.i % 4 = 0, '广播', '对讲'),
       IF(s.i % 3 = 0, CONCAT('record/', IF(s.a < 12, 1001, 3989) + s.a, '_', s.b, '.mp3'), '')
FROM (SELECT seq, seq - 1 AS i, (seq - 1) % 24 AS a, ((seq - 1) * 7 + 3) % 24 AS c, 1715000000 + (seq - 1) * 1800 AS b
      FROM seq_1_to_320) s
JOIN demo_place pa ON pa.n = s.a % 12 JOIN demo_place pc ON pc.n = s.c % 12;
TRUNCATE TABLE talklog;
INSERT INTO talklog SELECT * FROM talklog_bak;
