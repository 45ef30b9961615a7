{
    "format": "membercard-report",
    "version": 1,
    "title": "消费统计图表",
    "page": {
        "width": 210.0,
        "height": 297.0,
        "landscape": false,
        "margins": [
            10,
            10,
            10,
            10
        ]
    },
    "variables": {
        "category": "自定义变量",
        "items": [
            {
                "name": "sCurKHname",
                "value": ""
            },
            {
                "name": "memoDate",
                "value": ""
            },
            {
                "name": "memoCaption",
                "value": ""
            }
        ]
    },
    "bands": [
        {
            "name": "ReportTitle1",
            "kind": "reportTitle",
            "height": 18,
            "objects": [
                {
                    "name": "Text1",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        190.0,
                        10.0
                    ],
                    "text": "会员消费统计",
                    "font": {
                        "family": "黑体",
                        "size": 16,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1
                },
                {
                    "name": "Text2",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        10.5,
                        190.0,
                        6.0
                    ],
                    "text": "[memoDate]",
                    "font": {
                        "family": "宋体",
                        "size": 9.5
                    },
                    "hAlign": 1,
                    "vAlign": 1
                }
            ]
        },
        {
            "name": "ColumnHeader1",
            "kind": "columnHeader",
            "height": 6,
            "objects": [
                {
                    "name": "Text3",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        50.0,
                        6.0
                    ],
                    "text": "时    间",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text6",
                    "kind": "text",
                    "geometry": [
                        50.0,
                        0.0,
                        30.0,
                        6.0
                    ],
                    "text": "客流量",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                },
                {
                    "name": "Text9",
                    "kind": "text",
                    "geometry": [
                        80.0,
                        0.0,
                        40.0,
                        6.0
                    ],
                    "text": "消费金额",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true,
                    "fillColor": "#eeeeee"
                }
            ]
        },
        {
            "name": "MasterData1",
            "kind": "masterData",
            "height": 5.5,
            "objects": [
                {
                    "name": "Text4",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        50.0,
                        5.5
                    ],
                    "text": "[frxDM.\"F_tempDate\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 1,
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text7",
                    "kind": "text",
                    "geometry": [
                        50.0,
                        0.0,
                        30.0,
                        5.5
                    ],
                    "text": "[frxDM.\"F_cltNum\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": ",0.##;-,0.##",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text10",
                    "kind": "text",
                    "geometry": [
                        80.0,
                        0.0,
                        40.0,
                        5.5
                    ],
                    "text": "[frxDM.\"F_totalPrice\"]",
                    "font": {
                        "family": "宋体",
                        "size": 9
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "￥,0.00;-￥,0.00",
                    "canGrow": true,
                    "stretchToBand": true
                }
            ],
            "dataSet": "frxDM"
        },
        {
            "name": "ColumnFooter1",
            "kind": "columnFooter",
            "height": 6,
            "objects": [
                {
                    "name": "Text5",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        0.0,
                        50.0,
                        6.0
                    ],
                    "text": "合计（共 [COUNT(frxDM)] 条）",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "vAlign": 1,
                    "frame": 15,
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text8",
                    "kind": "text",
                    "geometry": [
                        50.0,
                        0.0,
                        30.0,
                        6.0
                    ],
                    "text": "[SUM(frxDM.\"F_cltNum\")]",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": ",0.##;-,0.##",
                    "canGrow": true,
                    "stretchToBand": true
                },
                {
                    "name": "Text11",
                    "kind": "text",
                    "geometry": [
                        80.0,
                        0.0,
                        40.0,
                        6.0
                    ],
                    "text": "[SUM(frxDM.\"F_totalPrice\")]",
                    "font": {
                        "family": "宋体",
                        "size": 9,
                        "bold": true
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "frame": 15,
                    "displayFormat": "￥,0.00;-￥,0.00",
                    "canGrow": true,
                    "stretchToBand": true
                }
            ]
        },
        {
            "name": "PageFooter1",
            "kind": "pageFooter",
            "height": 7,
            "objects": [
                {
                    "name": "Line1",
                    "kind": "line",
                    "geometry": [
                        0.0,
                        0.5,
                        190.0,
                        0.0
                    ],
                    "frameWidth": 0.2
                },
                {
                    "name": "Text12",
                    "kind": "text",
                    "geometry": [
                        0.0,
                        1.0,
                        190.0,
                        6.0
                    ],
                    "text": "第 [Page#] 页 / 共 [TotalPages#] 页",
                    "font": {
                        "family": "宋体",
                        "size": 8
                    },
                    "hAlign": 1,
                    "vAlign": 1
                },
                {
                    "name": "Text13",
                    "kind": "text",
                    "geometry": [
                        120.0,
                        1.0,
                        70.0,
                        6.0
                    ],
                    "text": "打印日期：[Date]",
                    "font": {
                        "family": "宋体",
                        "size": 8
                    },
                    "hAlign": 2,
                    "vAlign": 1,
                    "displayFormat": "yyyy年MM月dd日"
                }
            ]
        }
    ]
}
